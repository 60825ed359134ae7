// A stub as the window procedure of a real window, the way the skin takes a window over.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/method_thunk.h"
#include "app/object_record.h"

namespace {

struct Subclass;
struct SubclassMethods {
    void(__stdcall* Destroy)(ObjectRef<Subclass>);
    Subclass*(__stdcall* Copy)(ObjectRef<Subclass>);
    LRESULT(__stdcall* WindowProc)(ObjectRef<Subclass>, HWND, UINT, WPARAM, LPARAM);
};

constexpr UINT kAnswerMessage = WM_APP + 7;

struct Message {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Message& other) const
    {
        return window == other.window && message == other.message && wParam == other.wParam &&
               lParam == other.lParam;
    }
};

struct Subclass {
    const SubclassMethods* methods;
    MethodThunk thunk;
    WNDPROC previous;
    std::vector<Message> seen;

    // Answers kAnswerMessage itself, passes everything else on.
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        seen.push_back({window, message, wParam, lParam});
        if (message == kAnswerMessage)
            return static_cast<LRESULT>(wParam * 1000 + lParam);
        return CallWindowProcA(previous, window, message, wParam, lParam);
    }
    bool Saw(UINT message) const
    {
        for (const Message& m : seen)
            if (m.message == message)
                return true;
        return false;
    }
};
const SubclassMethods kSubclassMethods = {nullptr, nullptr, &StdcallMethod<&Subclass::WindowProc>::Call};

class AppMethodThunkWindow : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "AppMethodThunkWindow";
        RegisterClassA(&windowClass);  // already registered by an earlier test: fine
        window = CreateWindowExA(0, "AppMethodThunkWindow", "before", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(subclass.thunk.Build(&subclass, 3, 4));
        subclass.previous = reinterpret_cast<WNDPROC>(
            SetWindowLongA(window, GWL_WNDPROC, static_cast<LONG>(GetCodeAddress(subclass.thunk))));
        ASSERT_NE(subclass.previous, nullptr);
    }
    void TearDown() override
    {
        if (window != nullptr)
            DestroyWindow(window);  // its last messages still go through the stub
    }

    Subclass subclass{&kSubclassMethods, {}, nullptr, {}};
    HWND window = nullptr;
};

TEST_F(AppMethodThunkWindow, SentMessagesArriveWithTheirFourArgumentsAndResultsComeBack)
{
    const struct {
        WPARAM wParam;
        LPARAM lParam;
    } sends[] = {{1, 2}, {0, 0}, {2000000, -7}};
    for (const auto& send : sends) {
        subclass.seen.clear();
        EXPECT_EQ(SendMessageA(window, kAnswerMessage, send.wParam, send.lParam),
                  static_cast<LRESULT>(send.wParam * 1000 + send.lParam));
        ASSERT_EQ(subclass.seen.size(), 1u);
        EXPECT_EQ(subclass.seen[0], (Message{window, kAnswerMessage, send.wParam, send.lParam}));
    }
}

TEST_F(AppMethodThunkWindow, MessagesPassedOnReachThePreviousProcedure)
{
    EXPECT_TRUE(SetWindowTextA(window, "through the stub"));
    char text[64] = {};
    EXPECT_EQ(GetWindowTextA(window, text, sizeof text), 16);
    EXPECT_EQ(std::string(text), "through the stub");
    EXPECT_TRUE(subclass.Saw(WM_SETTEXT));
    EXPECT_TRUE(subclass.Saw(WM_GETTEXT));
}

TEST_F(AppMethodThunkWindow, PostedMessagesAreDispatchedThroughTheStub)
{
    ASSERT_TRUE(PostMessageA(window, kAnswerMessage, 3, 4));
    MSG message;
    while (PeekMessageA(&message, window, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    EXPECT_NE(std::find(subclass.seen.begin(), subclass.seen.end(), Message{window, kAnswerMessage, 3, 4}),
              subclass.seen.end());
}

}  // namespace
