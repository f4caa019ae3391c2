#pragma once

#include <QOpenGLBuffer>

#include <vector>

class QOpenGLFunctions;
class QOpenGLShaderProgram;
class Terrain;
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
    // A terrain's full mesh in steps of about `bytes` each, so that the window keeps answering
    // between them: beginUpload, then uploadStep until it returns true. Positions and colours
    // are made part by part (the terrain leaves them out of its arrays), the normals and
    // indices are freed once they are uploaded: a large mesh is never held twice. The buffers
    // draw the new mesh from the last step on. The colours go last: colouredAgain() sends
    // them again.
    void beginUpload();
    bool uploadStep(Terrain& terrain, size_t bytes);
    void colouredAgain();
    // The terrain's colours again, part by part.
    void rewriteColors(const Terrain& terrain);
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
    // Of a stepwise upload: the array being sent (positions, normals, indices, colours) and
    // how much of it is sent.
    int uploading = 0;
    size_t uploaded = 0;
    std::vector<char> part;
};
