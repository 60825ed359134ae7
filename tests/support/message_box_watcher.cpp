#include "support/message_box_watcher.h"

HWND FindMessageBox(const std::string& caption)
{
    HWND box = FindWindowA("#32770", caption.c_str());
    return box && IsWindowVisible(box) ? box : nullptr;
}

MessageBoxWatcher::MessageBoxWatcher(std::string caption, std::function<void(HWND)> whileShown, DWORD timeoutMs)
    : caption_(std::move(caption)), whileShown_(std::move(whileShown)), timeoutMs_(timeoutMs), thread_([this] { Watch(); })
{
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    if (thread_.joinable())
        thread_.join();
}

MessageBoxWatcher::Seen MessageBoxWatcher::Result()
{
    if (thread_.joinable())
        thread_.join();
    return seen_;
}

void MessageBoxWatcher::Watch()
{
    const DWORD start = GetTickCount();
    HWND box = nullptr;
    while (!(box = FindMessageBox(caption_))) {
        if (GetTickCount() - start > timeoutMs_)
            return;
        Sleep(20);
    }
    seen_.found = true;
    char text[1024] = {};
    GetWindowTextA(GetDlgItem(box, 0xFFFF), text, sizeof text);
    seen_.text = text;
    seen_.style = GetWindowLongA(box, GWL_STYLE);
    // The box's icon is a static control holding an icon: id 0x14 on Windows, 0x440 on Wine.
    for (int id : {0x14, 0x440}) {
        HWND icon = GetDlgItem(box, id);
        seen_.hasIcon |= icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
    }
    if (whileShown_)
        whileShown_(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    // Wait until it is gone so the next step sees the box closed.
    while (IsWindow(box) && GetTickCount() - start < timeoutMs_)
        Sleep(10);
}
