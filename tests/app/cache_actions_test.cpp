// The clear and exit actions on the real disk, with the real message boxes.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/actions.h"
#include "app/cache_directory.h"
#include "support/disk_fixture.h"
#include "support/game_directory_guard.h"
#include "support/message_box_watcher.h"

namespace {

const char kCaption[] = "温馨提示";
const char kClearedText[] = "清理成功，感谢支持砚汀！";

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    GetEnvironmentVariableW(name, value, MAX_PATH);
    return value;
}

// A scratch directory outside the cache, for link targets; gone before and after.
class OutsideDirectory {
public:
    OutsideDirectory() { Remove(); }
    ~OutsideDirectory() { Remove(); }
    const std::wstring path = Environment(L"TEMP") + L"\\cleaner-outside";

private:
    void Remove()
    {
        disk::RemoveTree(path);
        disk::RemoveTree(path + L"-probe");
    }
};

// Works on the real cache directory (see GameDirectoryGuard) and a directory outside it. The
// guard goes first, so links in the cache are removed while their targets still exist.
class CacheFixture : public ::testing::Test {
protected:

    // Runs the clear action and returns the box it showed (closed with OK).
    MessageBoxWatcher::Seen Clear()
    {
        MessageBoxWatcher watcher(kCaption);
        OnClearClicked();
        return watcher.Result();
    }

    OutsideDirectory outsideDirectory_;
    GameDirectoryGuard guard_;
    const std::wstring& cache_ = guard_.Cache();
    const std::wstring& game_ = guard_.Game();
    const std::wstring& outside_ = outsideDirectory_.path;
};

using AppCacheDirectory = CacheFixture;

TEST_F(AppCacheDirectory, IsBelowTheCurrentUsersRoamingAppData)
{
    const std::wstring appData = Environment(L"APPDATA");
    ASSERT_FALSE(appData.empty());
    EXPECT_EQ(appData + L"\\2K Sports\\NBA 2K14\\Cache", cache_);
}

using AppClearAction = CacheFixture;

TEST_F(AppClearAction, MissingDirectoryReportsSuccessAndCreatesNothing)
{
    const auto box = Clear();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(kClearedText, box.text);
    EXPECT_FALSE(box.hasIcon);
    EXPECT_FALSE(disk::Exists(cache_));
    EXPECT_EQ(0, disk::CountEntries(game_));
}

TEST_F(AppClearAction, RemovesNestedTreeDotNamesLongPathsAndNonAnsiNames)
{
    // A path well beyond MAX_PATH and names the ANSI code page cannot hold.
    std::wstring deep = cache_;
    for (int level = 0; level < 12; ++level)
        deep += L"\\level-" + std::to_wstring(level) + L"-abcdefghijklmnopqrstuvwxyz";
    ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
    const std::wstring files[] = {
        cache_ + L"\\top.dat",
        cache_ + L"\\.hidden",
        cache_ + L"\\.dotdir\\.inner",
        cache_ + L"\\a\\b\\c\\file.bin",
        cache_ + L"\\\u0E01\u0E02-\u00E9t\u00E9\\\U0001F600.cache",
        deep + L"\\deep.dat",
    };
    for (const auto& file : files) {
        disk::MakeDirectories(file.substr(0, file.rfind(L'\\')));
        disk::WriteFile(file);
        ASSERT_TRUE(disk::Exists(file));
    }
    disk::MakeDirectories(cache_ + L"\\empty\\dir");

    const auto box = Clear();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(kClearedText, box.text);
    EXPECT_FALSE(disk::Exists(cache_));
    EXPECT_TRUE(disk::IsDirectory(game_));
}

TEST_F(AppClearAction, FileHeldOpenStaysWithItsChainAndTheUserIsWarned)
{
    const std::wstring held = cache_ + L"\\shaders\\held.bin";
    disk::MakeDirectories(cache_ + L"\\shaders");
    disk::MakeDirectories(cache_ + L"\\other");
    disk::WriteFile(held);
    disk::WriteFile(cache_ + L"\\shaders\\sibling.bin");
    disk::WriteFile(cache_ + L"\\other\\x.bin");
    disk::WriteFile(cache_ + L"\\top.bin");
    // Opened the way a running game holds its files: no FILE_SHARE_DELETE.
    HANDLE handle = CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);

    const auto box = Clear();
    CloseHandle(handle);

    ASSERT_TRUE(box.found);
    EXPECT_NE(kClearedText, box.text);
    EXPECT_NE(std::string::npos, box.text.find("游戏")) << "the warning names the game as the likely holder";
    EXPECT_TRUE(box.hasIcon);
    EXPECT_TRUE(disk::Exists(held));
    EXPECT_EQ(1, disk::CountEntries(cache_)) << "only the chain to the held file remains";
    EXPECT_EQ(1, disk::CountEntries(cache_ + L"\\shaders"));
}

TEST_F(AppClearAction, LinkToOutsideIsNeverFollowed)
{
    disk::MakeDirectories(outside_ + L"\\precious");
    disk::WriteFile(outside_ + L"\\precious\\photo.jpg");
    disk::WriteFile(outside_ + L"\\letter.txt");
    disk::MakeDirectories(cache_);
    disk::WriteFile(cache_ + L"\\cache.bin");
    ASSERT_TRUE(disk::MakeDirectoryLink(cache_ + L"\\link", outside_));
    const bool linksRemovable = disk::PlatformRemovesDirectoryLinks(outside_ + L"-probe");

    const auto box = Clear();

    ASSERT_TRUE(box.found);
    EXPECT_TRUE(disk::Exists(outside_ + L"\\precious\\photo.jpg"));
    EXPECT_TRUE(disk::Exists(outside_ + L"\\letter.txt"));
    EXPECT_FALSE(disk::Exists(cache_ + L"\\cache.bin"));
    if (linksRemovable) {
        EXPECT_FALSE(disk::EntryExists(cache_)) << "the link itself goes, and with it the directory";
        EXPECT_EQ(kClearedText, box.text);
    } else {
        // This platform cannot remove such a link: it stays, and the user hears about it.
        EXPECT_TRUE(disk::EntryExists(cache_ + L"\\link"));
        EXPECT_NE(kClearedText, box.text);
    }
}

TEST_F(AppClearAction, CacheDirectoryThatIsItselfALinkKeepsItsTarget)
{
    disk::MakeDirectories(outside_);
    disk::WriteFile(outside_ + L"\\letter.txt");
    ASSERT_TRUE(disk::MakeDirectoryLink(cache_, outside_));

    DeleteDirectoryTree(cache_);

    EXPECT_TRUE(disk::Exists(outside_ + L"\\letter.txt"));
}

TEST_F(AppClearAction, BoxIsTaskModal)
{
    // A top-level window of this thread is disabled while the box is up.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(other);
    bool enabledWhileShown = true;
    MessageBoxWatcher watcher(kCaption, [&](HWND) { enabledWhileShown = IsWindowEnabled(other); });
    OnClearClicked();
    ASSERT_TRUE(watcher.Result().found);
    EXPECT_FALSE(enabledWhileShown);
    EXPECT_TRUE(IsWindowEnabled(other));
    DestroyWindow(other);
}

using AppExitAction = CacheFixture;

TEST_F(AppExitAction, KeepsExistingContent)
{
    disk::MakeDirectories(cache_ + L"\\sub");
    disk::WriteFile(cache_ + L"\\sub\\keep.bin");
    OnExitClicked();
    EXPECT_TRUE(disk::Exists(cache_ + L"\\sub\\keep.bin"));
}

TEST_F(AppExitAction, CreatesOnlyTheLastLevel)
{
    disk::RemoveTree(game_);
    OnExitClicked();
    EXPECT_FALSE(disk::Exists(game_)) << "\"NBA 2K14\" missing: nothing is created";
}

TEST_F(AppExitAction, AfterAClearLeavesAnEmptyDirectory)
{
    disk::MakeDirectories(cache_ + L"\\sub");
    disk::WriteFile(cache_ + L"\\sub\\old.bin");
    ASSERT_TRUE(Clear().found);
    OnExitClicked();
    EXPECT_TRUE(disk::IsDirectory(cache_));
    EXPECT_EQ(0, disk::CountEntries(cache_));
}

} // namespace
