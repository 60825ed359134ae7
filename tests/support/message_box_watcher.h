#pragma once
// Finds a message box the way a user sees it (dialog class "#32770" with a given caption, in any
// process), reads its text and closes it with OK, from a thread of its own.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

class MessageBoxWatcher {
public:
    struct Seen {
        bool found = false;
        std::string text;  // the body text as the box holds it (ANSI bytes)
        LONG style = 0;    // the box window's style
        bool hasIcon = false;
    };

    // `whileShown` runs on the watcher's thread while the box is up, before it is closed.
    explicit MessageBoxWatcher(std::string caption, std::function<void(HWND)> whileShown = {},
                               DWORD timeoutMs = 30000);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // Waits for the watcher to finish (box closed or timeout) and returns what it saw.
    Seen Result();

private:
    void Watch();
    std::string caption_;
    std::function<void(HWND)> whileShown_;
    DWORD timeoutMs_;
    Seen seen_;
    std::thread thread_;
};

// Finds a visible message box with the caption now, or null.
HWND FindMessageBox(const std::string& caption);
