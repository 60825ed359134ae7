#pragma once
#include <windows.h>

// The program's window icon is 48 x 48 with 32-bit colour; its cursor 32 x 32 with the hot spot
// at (1, 2).
void ExpectIconAndCursor(HICON icon, HCURSOR cursor);
