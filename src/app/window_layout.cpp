#include "app/window_layout.h"

// The skin, the two drawn buttons and the labels are laid out here once they exist; the window
// meanwhile shows the system's frame.
void OnWindowCreated(HWND) {}
