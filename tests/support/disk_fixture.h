#pragma once
// Small helpers for tests that build file trees on the real disk (wide, "\\?\" paths).
#include <windows.h>

#include <string>

namespace disk {

std::wstring Extended(const std::wstring& path);
bool Exists(const std::wstring& path);
bool IsDirectory(const std::wstring& path);
// Whether the directory entry itself is there (a link counts even when its target is gone).
bool EntryExists(const std::wstring& path);
void MakeDirectories(const std::wstring& path);  // every missing level
void WriteFile(const std::wstring& path, const std::string& content = "cache");
// Removes a tree completely, following nothing (test clean-up only).
void RemoveTree(const std::wstring& path);
// Counts the entries directly in a directory (without "." and "..").
int CountEntries(const std::wstring& directory);

// Makes `link` a directory link to `target`. Uses CreateSymbolicLinkW where the platform
// makes a real reparse point, else a host symbolic link (Wine shows it as a reparse point).
// Returns false when neither gives an entry with FILE_ATTRIBUTE_REPARSE_POINT.
bool MakeDirectoryLink(const std::wstring& link, const std::wstring& target);

// Whether RemoveDirectoryW can remove a directory link on this platform (Windows can; Wine 8
// cannot remove host symbolic links), measured on a scratch link below `scratch`.
bool PlatformRemovesDirectoryLinks(const std::wstring& scratch);

} // namespace disk
