#pragma once
#include <windows.h>

// The main window's "created" event: builds what the window shows.
void OnWindowCreated(HWND window);
