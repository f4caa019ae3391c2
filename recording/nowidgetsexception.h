#pragma once

#include <exception>

// Thrown by RecordingWizard::rebuildPages() when the probe names no page the wizard knows.
class NoWidgetsException : public std::exception
{
public:
    const char* what() const noexcept override { return "Recording Wizard: no pages created"; }
};
