#include "app/program_objects.h"

#include <windows.h>

#include "app/main_window.h"

// The skin and the two image buttons join here as they are built; until then the window is
// drawn by the system and a refresh is a plain repaint.
void CreateProgramObjects() {}

void DestroyProgramObjects() {}

void RefreshSkin()
{
    if (HWND window = MainWindow())
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
