#pragma once
#include <windows.h>

// Start-up, message loop and end of the program. Returns the process exit code.
int RunProgram(HINSTANCE instance);
