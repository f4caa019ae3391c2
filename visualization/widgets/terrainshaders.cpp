#include "visualization/widgets/terrainshaders.h"

const char* const terrainVertexShader =
    "attribute mediump vec3 vertex;\n"
    "attribute lowp vec3 color;\n"
    "attribute mediump vec3 normal;\n"
    "uniform mat4 MVP;\n"
    "uniform mat4 M;\n"
    "uniform mat4 V;\n"
    "uniform mat4 NM;\n"
    "uniform vec3 camera;\n"
    "varying mediump vec3 norm, camVector, lightVector;\n"
    "varying lowp vec3 col;\n"
    "void main(void)\n"
    "{\n"
    "    vec4 v = vec4(vertex, 1.0);\n"
    "    gl_Position = MVP * v;\n"
    "    mat4 MV = V*M;\n"
    "    vec3 pos = (MV * v).xyz;\n"
    "    camVector = vec3(0.0, 0.0, 0.0) - pos;\n"
    "    vec3 lightPos = (V*vec4(camera, 1.0)).xyz;\n"
    "    lightVector = lightPos + camVector;\n"
    "       norm = normalize( (NM * vec4(normal, 0.0)).xyz );\n"
    "    col = color;\n"
    "}\n";

// Ambient 0.3, diffuse 0.75 on both faces, a faint white highlight.
const char* const litFragmentShader =
    "uniform lowp float alpha;\n"
    "varying mediump vec3 norm, camVector, lightVector;\n"
    "varying lowp vec3 col;\n"
    "void main(void)\n"
    "{\n"
    "    mediump vec3 l = normalize(lightVector);\n"
    "    mediump vec3 n = normalize(norm);\n"
    "    mediump vec3 c = normalize(camVector);\n"
    "    mediump float illum = abs(dot(n,l));\n"
    "    mediump vec3 r = normalize(reflect(-l,n));\n"
    "    mediump float specular = max(0.0, dot(r, c));\n"
    "    mediump vec3 co = col*0.3 + col*0.75*illum + vec3(0.1, 0.1, 0.1)*pow(specular, 32.0);\n"
    "    gl_FragColor = vec4( co, alpha );\n"
    "}\n";

const char* const flatFragmentShader =
    "uniform lowp float alpha;\n"
    "varying mediump vec3 norm, camVector, lightVector;\n"
    "varying lowp vec3 col;\n"
    "void main(void)\n"
    "{\n"
    "    gl_FragColor = vec4( col, alpha );\n"
    "}\n";
