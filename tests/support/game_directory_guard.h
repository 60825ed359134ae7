#pragma once
// Lets a test work on the real cache directory of the account the tests run as: whatever the
// account had under "NBA 2K14" is moved aside on construction and put back on destruction,
// and the test starts with an empty "NBA 2K14" directory.
#include <string>

class GameDirectoryGuard {
public:
    GameDirectoryGuard();
    ~GameDirectoryGuard();
    GameDirectoryGuard(const GameDirectoryGuard&) = delete;
    GameDirectoryGuard& operator=(const GameDirectoryGuard&) = delete;

    const std::wstring& Cache() const { return cache_; }  // ...\NBA 2K14\Cache
    const std::wstring& Game() const { return game_; }    // ...\NBA 2K14

private:
    std::wstring cache_, game_, saved_;
};
