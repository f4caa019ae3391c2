#pragma once

#include <QOpenGLBuffer>

class QOpenGLFunctions;
class QOpenGLShaderProgram;
struct TerrainMesh;

// The GPU side of one terrain mesh: positions, normals and colours as floats (the colours as
// bytes would reach the shader rounded differently on some drivers and change the picture),
// and one block of strip indices drawn once per block of rows.
class MeshBuffers
{
public:
    // In the current context.
    void create();
    void destroy();
    void upload(const TerrainMesh& mesh);
    // The same, freeing each of the mesh's arrays once it is uploaded, so that the largest
    // meshes are never held twice.
    void uploadAndRelease(TerrainMesh& mesh);
    void uploadColors(const TerrainMesh& mesh);
    // Draws nothing until the next upload.
    void clear() { width = length = 0; }
    bool empty() const { return width < 2 || length < 2; }
    // Triangles, or the same index list as lines for the wireframe.
    void draw(QOpenGLShaderProgram& program, QOpenGLFunctions& gl, int vertexLocation,
              int normalLocation, int colorLocation, bool lines);

private:
    QOpenGLBuffer positions{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer normals{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer colors{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer indices{QOpenGLBuffer::IndexBuffer};
    int width = 0;
    int length = 0;
    int stripsPerBlock = 0;
};
