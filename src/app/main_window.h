#pragma once
#include <windows.h>

// The main window as the program describes it: 480 x 233 at (50, 50), its caption, icon and
// cursor, and two hidden push buttons whose clicks run the two actions.
namespace main_window {
constexpr int kX = 50, kY = 50, kWidth = 480, kHeight = 233;
constexpr char kCaption[] = "NBA2K14砚汀简单缓存清理工具";
constexpr char kClassName[] = "窗口";

struct FormButton {
    const char* name;
    int id, x, y, width, height;
    void (*clicked)();
};
constexpr int kClearButtonId = 1001;
constexpr int kExitButtonId = 1002;
} // namespace main_window

// Registers the window class, creates the window (its "created" event runs then) and its two
// form buttons. Returns null on failure.
HWND CreateMainWindow(HINSTANCE instance);

// The main window while it exists, else null.
HWND MainWindow();
