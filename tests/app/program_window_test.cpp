// The program itself, started under the real window system: its window, its two hidden form
// buttons, its two actions reached through them, and its end.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "resources/resource_ids.h"
#include "support/disk_fixture.h"
#include "support/game_directory_guard.h"
#include "support/message_box_watcher.h"
#include "support/program_module.h"

namespace {

const char kCaption[] = "NBA2K14砚汀简单缓存清理工具";

BITMAP BitmapOf(HBITMAP handle)
{
    BITMAP bitmap = {};
    GetObjectA(handle, sizeof bitmap, &bitmap);
    return bitmap;
}

// The window icon is 48 x 48 with 32-bit colour; the cursor 32 x 32 with its hot spot at (1, 2).
void ExpectIconAndCursor(HICON icon, HCURSOR cursor)
{
    ICONINFO info = {};
    ASSERT_TRUE(icon && GetIconInfo(icon, &info));
    const BITMAP colour = BitmapOf(info.hbmColor);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_TRUE(info.fIcon);
    EXPECT_EQ(48, colour.bmWidth);
    EXPECT_EQ(48, colour.bmHeight);
    EXPECT_EQ(32, colour.bmBitsPixel);

    ICONINFO cursorInfo = {};
    ASSERT_TRUE(cursor && GetIconInfo(cursor, &cursorInfo));
    const BITMAP cursorBits = BitmapOf(cursorInfo.hbmColor ? cursorInfo.hbmColor : cursorInfo.hbmMask);
    DeleteObject(cursorInfo.hbmColor);
    DeleteObject(cursorInfo.hbmMask);
    EXPECT_FALSE(cursorInfo.fIcon);
    EXPECT_EQ(1u, cursorInfo.xHotspot);
    EXPECT_EQ(2u, cursorInfo.yHotspot);
    EXPECT_EQ(32, cursorBits.bmWidth);
}

class RunningProgram {
public:
    RunningProgram()
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string command = "\"" + ProgramPath() + "\"";
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
            return;
        WaitForInputIdle(process_.hProcess, 20000);
        for (int tries = 0; tries < 400 && !window_; ++tries) {
            window_ = FindWindowA(nullptr, kCaption);
            if (!window_)
                Sleep(25);
        }
    }
    ~RunningProgram()
    {
        if (!process_.hProcess)
            return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    HWND Window() const { return window_; }
    // Waits for the end and returns the exit code (or a note that it did not end).
    DWORD WaitForExit(DWORD ms = 20000)
    {
        if (WaitForSingleObject(process_.hProcess, ms) != WAIT_OBJECT_0)
            return STILL_ACTIVE;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }
    // Clicks a form button the way the button reports a click to its window.
    void Click(int id)
    {
        HWND button = GetDlgItem(window_, id);
        PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }

private:
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

TEST(AppProgram, CarriesItsIconGroupAndCursor)
{
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    {
        ProgramModule program;
        ASSERT_TRUE(program.Handle());
        icon = static_cast<HICON>(LoadImageA(program.Handle(), "DEFAULT_ICON", IMAGE_ICON, 0, 0, 0));
        cursor = static_cast<HCURSOR>(
            LoadImageA(program.Handle(), MAKEINTRESOURCEA(IDC_APP_CURSOR), IMAGE_CURSOR, 0, 0, 0));
    }
    ExpectIconAndCursor(icon, cursor);
    DestroyIcon(icon);
    DestroyCursor(cursor);
}

TEST(AppProgram, ShowsItsWindowAndEndsCleanlyOnClose)
{
    RunningProgram program;
    HWND window = program.Window();
    ASSERT_TRUE(window) << "no window titled with the program's caption";

    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(50, rect.left);
    EXPECT_EQ(50, rect.top);
    EXPECT_EQ(480, rect.right - rect.left);
    EXPECT_EQ(233, rect.bottom - rect.top);
    EXPECT_TRUE(IsWindowVisible(window));

    // The two form buttons: hidden, enabled, tab stops, no caption, at their rectangles.
    struct Expected { int id, x, y; } buttons[] = {{1001, 56, 96}, {1002, 264, 96}};
    for (const auto& expected : buttons) {
        HWND button = GetDlgItem(window, expected.id);
        ASSERT_TRUE(button) << expected.id;
        char className[32] = {}, text[32] = {};
        GetClassNameA(button, className, sizeof className);
        GetWindowTextA(button, text, sizeof text);
        EXPECT_STREQ("Button", className);
        EXPECT_STREQ("", text);
        const LONG style = GetWindowLongA(button, GWL_STYLE);
        EXPECT_FALSE(style & WS_VISIBLE);
        EXPECT_FALSE(style & WS_DISABLED);
        EXPECT_TRUE(style & WS_TABSTOP);
        RECT placed;
        GetWindowRect(button, &placed);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(expected.x, placed.left);
        EXPECT_EQ(expected.y, placed.top);
        EXPECT_EQ(160, placed.right - placed.left);
        EXPECT_EQ(48, placed.bottom - placed.top);
    }

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, program.WaitForExit());
}

class AppProgramActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        disk::MakeDirectories(cache_ + L"\\sub");
        disk::WriteFile(cache_ + L"\\sub\\old.bin");
    }
    GameDirectoryGuard guard_;
    const std::wstring& cache_ = guard_.Cache();
};

TEST_F(AppProgramActions, ClearThenExitLeavesAnEmptyDirectoryAndEndsTheProgram)
{
    RunningProgram program;
    ASSERT_TRUE(program.Window());

    MessageBoxWatcher watcher("温馨提示");
    program.Click(1001);
    const auto box = watcher.Result();
    ASSERT_TRUE(box.found);
    EXPECT_EQ("清理成功，感谢支持砚汀！", box.text);
    EXPECT_FALSE(disk::Exists(cache_));

    program.Click(1002);
    EXPECT_EQ(0u, program.WaitForExit());
    EXPECT_TRUE(disk::IsDirectory(cache_));
    EXPECT_EQ(0, disk::CountEntries(cache_));
}

TEST_F(AppProgramActions, ClosingTheWindowLeavesTheCacheAlone)
{
    RunningProgram program;
    ASSERT_TRUE(program.Window());
    PostMessageA(program.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, program.WaitForExit());
    EXPECT_TRUE(disk::Exists(cache_ + L"\\sub\\old.bin"));
}

} // namespace
