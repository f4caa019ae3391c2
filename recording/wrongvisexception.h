#pragma once

#include <exception>

namespace S3D {
// A live view was given a dataset it cannot show.
class WrongVisException : public std::exception
{
public:
    const char* what() const noexcept override { return "Recording Visualization not applicable for probe type"; }
};
} // namespace S3D
