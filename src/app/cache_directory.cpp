#include "app/cache_directory.h"

#include <windows.h>
#include <shlobj.h>

namespace {

const wchar_t kCacheBelowAppData[] = L"\\2K Sports\\NBA 2K14\\Cache";
const wchar_t kAdministratorCache[] = L"C:\\Users\\Administrator\\AppData\\Roaming\\2K Sports\\NBA 2K14\\Cache";

// The walk uses "\\?\" paths so that names beyond MAX_PATH are reached too.
std::wstring ExtendedLengthPath(const std::wstring& path)
{
    if (path.rfind(L"\\\\?\\", 0) == 0)
        return path;
    if (path.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsLink(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// A directory link is removed as a directory entry; removing it never touches its target.
void RemoveLink(const std::wstring& path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveDirectoryW(path.c_str());
    else
        DeleteFileW(path.c_str());
}

void EmptyAndRemove(const std::wstring& directory)
{
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((directory + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = directory + L"\\" + name;
            if (IsLink(entry.dwFileAttributes))
                RemoveLink(path, entry.dwFileAttributes);
            else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                EmptyAndRemove(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(directory.c_str());
}

} // namespace

std::wstring CacheDirectoryPath()
{
    wchar_t appData[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)) && appData[0] != 0)
        return std::wstring(appData) + kCacheBelowAppData;
    return kAdministratorCache;
}

bool DeleteDirectoryTree(const std::wstring& directory)
{
    const std::wstring root = ExtendedLengthPath(directory);
    const DWORD attributes = GetFileAttributesW(root.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (IsLink(attributes))
            RemoveLink(root, attributes);
        else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            EmptyAndRemove(root);
    }
    return !Exists(root);
}

void CreateLastLevel(const std::wstring& directory)
{
    CreateDirectoryW(ExtendedLengthPath(directory).c_str(), nullptr);
}
