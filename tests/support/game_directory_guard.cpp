#include "support/game_directory_guard.h"

#include <windows.h>

#include "app/cache_directory.h"
#include "support/disk_fixture.h"

GameDirectoryGuard::GameDirectoryGuard()
    : cache_(CacheDirectoryPath()), game_(cache_.substr(0, cache_.rfind(L'\\'))), saved_(game_ + L".saved-by-tests")
{
    // A run that ended early left the account's own directory aside: put it back first.
    if (disk::EntryExists(saved_)) {
        disk::RemoveTree(game_);
        MoveFileW(disk::Extended(saved_).c_str(), disk::Extended(game_).c_str());
    }
    if (disk::EntryExists(game_))
        MoveFileW(disk::Extended(game_).c_str(), disk::Extended(saved_).c_str());
    disk::MakeDirectories(game_);
}

GameDirectoryGuard::~GameDirectoryGuard()
{
    disk::RemoveTree(game_);
    if (disk::EntryExists(saved_))
        MoveFileW(disk::Extended(saved_).c_str(), disk::Extended(game_).c_str());
}
