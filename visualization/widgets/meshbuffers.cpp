#include "visualization/widgets/meshbuffers.h"

#include "visualization/terraingeometry.h"
#include "visualization/terrainmesh.h"

#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>

namespace {
template <typename Array>
void fill(QOpenGLBuffer& buffer, const Array& array)
{
    buffer.bind();
    buffer.setUsagePattern(QOpenGLBuffer::StaticDraw);
    buffer.allocate(array.data(), int(array.size() * sizeof(typename Array::value_type)));
    buffer.release();
}
} // namespace

void MeshBuffers::create()
{
    for (QOpenGLBuffer* buffer : {&positions, &normals, &colors, &indices})
        buffer->create();
    clear();
}

void MeshBuffers::destroy()
{
    for (QOpenGLBuffer* buffer : {&positions, &normals, &colors, &indices})
        buffer->destroy();
    clear();
}

void MeshBuffers::upload(const TerrainMesh& mesh)
{
    fill(positions, mesh.positions);
    fill(normals, mesh.normals);
    fill(indices, mesh.blockIndices);
    uploadColors(mesh);
    width = mesh.width;
    length = mesh.length;
    stripsPerBlock = mesh.stripsPerBlock;
}

void MeshBuffers::beginUpload()
{
    clear();
    uploading = 0;
    uploaded = 0;
}

namespace {
// Sends the next part of `array` (at most `bytes`) and frees the array when all of it is sent.
template <typename Array>
bool sendPart(QOpenGLBuffer& buffer, Array& array, size_t& sent, size_t bytes)
{
    const size_t total = array.size() * sizeof(typename Array::value_type);
    buffer.bind();
    // A rebuild of the same field writes over the storage it has: taking new storage of that
    // size costs as long as the whole copy.
    if (sent == 0 && buffer.size() != int(total)) {
        buffer.setUsagePattern(QOpenGLBuffer::StaticDraw);
        buffer.allocate(int(total));
    }
    const size_t part = std::min(bytes, total - sent);
    if (part > 0)
        buffer.write(int(sent), reinterpret_cast<const char*>(array.data()) + sent, int(part));
    buffer.release();
    sent += part;
    if (sent < total)
        return false;
    Array().swap(array);
    sent = 0;
    return true;
}
} // namespace

bool MeshBuffers::uploadStep(TerrainMesh& mesh, size_t bytes)
{
    bool done = false;
    switch (uploading) {
    case 0:
        done = sendPart(positions, mesh.positions, uploaded, bytes);
        break;
    case 1:
        done = sendPart(normals, mesh.normals, uploaded, bytes);
        break;
    case 2:
        done = sendPart(indices, mesh.blockIndices, uploaded, bytes);
        break;
    default:
        done = sendPart(colors, mesh.colors, uploaded, bytes);
        break;
    }
    if (!done)
        return false;
    if (++uploading < 4)
        return false;
    width = mesh.width;
    length = mesh.length;
    stripsPerBlock = mesh.stripsPerBlock;
    return true;
}

void MeshBuffers::colouredAgain()
{
    if (uploading == 3)
        uploaded = 0;
}

void MeshBuffers::uploadColors(const TerrainMesh& mesh)
{
    fill(colors, mesh.colors);
}

void MeshBuffers::draw(QOpenGLShaderProgram& program, QOpenGLFunctions& gl, int vertexLocation,
                       int normalLocation, int colorLocation, bool lines)
{
    if (empty() || stripsPerBlock < 1)
        return;
    indices.bind();
    for (int firstRow = 0; firstRow + 1 < length; firstRow += stripsPerBlock) {
        const int strips = std::min(stripsPerBlock, length - 1 - firstRow);
        const int first = firstRow * width;
        positions.bind();
        program.setAttributeBuffer(vertexLocation, GL_FLOAT, first * 3 * int(sizeof(float)), 3, 0);
        normals.bind();
        program.setAttributeBuffer(normalLocation, GL_FLOAT, first * 3 * int(sizeof(float)), 3, 0);
        colors.bind();
        program.setAttributeBuffer(colorLocation, GL_FLOAT, first * 3 * int(sizeof(float)), 3, 0);
        gl.glDrawElements(lines ? GL_LINES : GL_TRIANGLES, GLsizei(stripIndexCount(width, strips)),
                          GL_UNSIGNED_INT, nullptr);
    }
    colors.release();
    indices.release();
}
