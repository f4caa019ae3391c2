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

void MeshBuffers::uploadAndRelease(TerrainMesh& mesh)
{
    width = mesh.width;
    length = mesh.length;
    stripsPerBlock = mesh.stripsPerBlock;
    fill(positions, mesh.positions);
    BuildArray<QVector3D>().swap(mesh.positions);
    fill(normals, mesh.normals);
    BuildArray<float>().swap(mesh.normals);
    fill(colors, mesh.colors);
    BuildArray<QVector3D>().swap(mesh.colors);
    fill(indices, mesh.blockIndices);
    BuildArray<uint32_t>().swap(mesh.blockIndices);
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
