#pragma once

// The program: creates the application, applies settings, language and look, shows the main
// window and runs the event loop. Returns the event loop's exit code.
int runApplication(int argc, char* argv[]);
