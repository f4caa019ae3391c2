#include "visualization/widgets/meshbuffers.h"

#include "visualization/terrain.h"
#include "visualization/terraingeometry.h"
#include "visualization/terrainmesh.h"

#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <algorithm>
#include <cstring>

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
// Sends the next part of a buffer of `total` bytes (at most `bytes`; all of it at once when
// `bytes` is 0) from make(first byte, byte count, destination) and returns whether all is sent.
template <typename Make>
bool sendPart(QOpenGLBuffer& buffer, size_t total, size_t& sent, size_t bytes, std::vector<char>& part, Make make)
{
    buffer.bind();
    // A rebuild of the same field writes over the storage it has: taking new storage of that
    // size costs as long as the whole copy.
    if (sent == 0 && buffer.size() != int(total)) {
        buffer.setUsagePattern(QOpenGLBuffer::StaticDraw);
        buffer.allocate(int(total));
    }
    const size_t size = std::min(bytes == 0 ? total : bytes, total - sent);
    if (size > 0) {
        part.resize(size);
        make(sent, size, part.data());
        buffer.write(int(sent), part.data(), int(size));
    }
    buffer.release();
    sent += size;
    if (sent < total)
        return false;
    sent = 0;
    return true;
}

// A step size in whole elements of `element` bytes.
size_t wholeElements(size_t bytes, size_t element)
{
    return bytes == 0 ? 0 : std::max(bytes / element, size_t(1)) * element;
}

template <typename Array>
auto copyFrom(const Array& array)
{
    return [&array](size_t first, size_t size, char* out) {
        std::memcpy(out, reinterpret_cast<const char*>(array.data()) + first, size);
    };
}

auto generated(const Terrain& terrain, void (Terrain::*make)(size_t, size_t, QVector3D*) const)
{
    return [&terrain, make](size_t first, size_t size, char* out) {
        (terrain.*make)(first / sizeof(QVector3D), size / sizeof(QVector3D), reinterpret_cast<QVector3D*>(out));
    };
}
} // namespace

bool MeshBuffers::uploadStep(Terrain& terrain, size_t bytes)
{
    TerrainMesh& mesh = terrain.meshForUpload();
    const size_t vectors = mesh.points() * sizeof(QVector3D);
    const size_t step = wholeElements(bytes, sizeof(QVector3D));
    switch (uploading) {
    case 0:
        if (!sendPart(positions, vectors, uploaded, step, part, generated(terrain, &Terrain::meshPositions)))
            return false;
        break;
    case 1:
        if (!sendPart(normals, vectors, uploaded, step, part, copyFrom(mesh.normals)))
            return false;
        BuildArray<float>().swap(mesh.normals);
        break;
    case 2:
        if (!sendPart(indices, mesh.blockIndices.size() * sizeof(uint32_t), uploaded, step, part,
                      copyFrom(mesh.blockIndices)))
            return false;
        BuildArray<uint32_t>().swap(mesh.blockIndices);
        break;
    default:
        if (!sendPart(colors, vectors, uploaded, step, part, generated(terrain, &Terrain::meshColors)))
            return false;
        break;
    }
    if (++uploading < 4)
        return false;
    std::vector<char>().swap(part);
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

void MeshBuffers::rewriteColors(const Terrain& terrain)
{
    const size_t total = size_t(width) * size_t(length) * sizeof(QVector3D);
    size_t sent = 0;
    while (!sendPart(colors, total, sent, wholeElements(size_t(8) << 20, sizeof(QVector3D)), part,
                     generated(terrain, &Terrain::meshColors))) {
    }
    std::vector<char>().swap(part);
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
