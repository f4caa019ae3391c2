#!/usr/bin/python3
"""VTK 9's first and steady frame of a legacy VTK structured-points file: read, warp by the
scalar, compute normals, render off-screen at WIDTH x HEIGHT and read the pixels back.
Prints one JSON object with the times in milliseconds."""
import json
import sys
import time

import vtk


def main():
    path, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    frames = int(sys.argv[4]) if len(sys.argv) > 4 else 10
    start = time.perf_counter()
    reader = vtk.vtkStructuredPointsReader()
    reader.SetFileName(path)
    surface = vtk.vtkImageDataGeometryFilter()
    surface.SetInputConnection(reader.GetOutputPort())
    warp = vtk.vtkWarpScalar()
    warp.SetInputConnection(surface.GetOutputPort())
    warp.SetScaleFactor(0.01)
    normals = vtk.vtkPolyDataNormals()
    normals.SetInputConnection(warp.GetOutputPort())
    mapper = vtk.vtkPolyDataMapper()
    mapper.SetInputConnection(normals.GetOutputPort())
    mapper.SetScalarRange(-2000, 2000)
    actor = vtk.vtkActor()
    actor.SetMapper(mapper)
    renderer = vtk.vtkRenderer()
    renderer.AddActor(actor)
    window = vtk.vtkRenderWindow()
    window.SetOffScreenRendering(1)
    window.AddRenderer(renderer)
    window.SetSize(width, height)
    grab = vtk.vtkWindowToImageFilter()
    grab.SetInput(window)
    grab.ReadFrontBufferOff()
    window.Render()
    grab.Update()
    first = time.perf_counter() - start

    camera = renderer.GetActiveCamera()
    steady = []
    for _ in range(frames):
        camera.Azimuth(3)
        t = time.perf_counter()
        window.Render()
        grab.Modified()
        grab.Update()
        steady.append(time.perf_counter() - t)
    steady.sort()
    polys = normals.GetOutput().GetNumberOfPolys()
    print(json.dumps({"first_ms": first * 1000, "steady_ms": steady[len(steady) // 2] * 1000,
                      "triangles": 2 * polys}))


if __name__ == "__main__":
    main()
