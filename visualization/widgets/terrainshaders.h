#pragma once

// The one program of the terrain view: a vertex shader with the light at the camera, and a
// lit or a flat fragment shader.
extern const char* const terrainVertexShader;
extern const char* const litFragmentShader;
extern const char* const flatFragmentShader;
