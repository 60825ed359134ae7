#include "app/main_window.h"

#include "app/actions.h"
#include "app/window_layout.h"
#include "resources/resource_ids.h"

namespace {

using main_window::FormButton;

// Hidden, enabled, tab stop, no caption: the user reaches the actions through the drawn
// buttons laid over exactly these rectangles.
const FormButton kFormButtons[] = {
    {"按钮1", main_window::kClearButtonId, 56, 96, 160, 48, OnClearClicked},
    {"按钮2", main_window::kExitButtonId, 264, 96, 160, 48, OnExitClicked},
};

HWND mainWindow = nullptr;
HCURSOR appCursor = nullptr;

void CreateFormButtons(HWND window, HINSTANCE instance)
{
    for (const FormButton& button : kFormButtons)
        CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, button.x, button.y, button.width,
                        button.height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), instance,
                        nullptr);
}

void RunClickHandler(int id)
{
    for (const FormButton& button : kFormButtons)
        if (button.id == id)
            button.clicked();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        mainWindow = window;
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        CreateFormButtons(window, create->hInstance);
        OnWindowCreated(window);
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
            RunClickHandler(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_SETCURSOR:
        // The window and its form buttons share the program's cursor.
        if (LOWORD(lParam) == HTCLIENT && appCursor) {
            SetCursor(appCursor);
            return TRUE;
        }
        break;
    case WM_DESTROY:
        mainWindow = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

HWND CreateMainWindow(HINSTANCE instance)
{
    appCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_APP_CURSOR));
    // The large icon at its own 48 x 48; the small one scaled for captions and the task bar.
    HICON icon = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 0, 0, 0));
    HICON smallIcon = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), 0));
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = appCursor ? appCursor : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = main_window::kClassName;
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    return CreateWindowExA(0, main_window::kClassName, main_window::kCaption,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, main_window::kX,
                           main_window::kY, main_window::kWidth, main_window::kHeight, nullptr, nullptr, instance, nullptr);
}

HWND MainWindow()
{
    return mainWindow;
}
