#include "app/program.h"

#include <cstdlib>

#include "app/main_window.h"
#include "app/program_objects.h"

int RunProgram(HINSTANCE instance)
{
    CreateProgramObjects();
    std::atexit(DestroyProgramObjects);

    HWND window = CreateMainWindow(instance);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
