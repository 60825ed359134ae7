#pragma once
// The game's cache directory and the two things the program does to it.
#include <string>

// "<Roaming AppData>\2K Sports\NBA 2K14\Cache" of the current user, the Roaming AppData folder
// resolved through the shell; the administrator's fixed path only when the shell cannot say.
std::wstring CacheDirectoryPath();

// Deletes the directory and everything below it, depth first. Failures are skipped and the walk
// goes on. Links (junctions, symbolic links, mount points) are removed themselves and never
// followed, so nothing outside the directory is ever touched. Returns true when the directory
// no longer exists afterwards.
bool DeleteDirectoryTree(const std::wstring& directory);

// Creates the last level of the path only (an existing directory is left as it is).
void CreateLastLevel(const std::wstring& directory);
