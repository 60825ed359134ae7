#include "support/disk_fixture.h"

namespace disk {

namespace {

bool IsLink(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(Extended(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::string UnixPath(const std::wstring& path)
{
    using ToUnix = char*(CDECL*)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    char* name = toUnix ? toUnix(path.c_str()) : nullptr;
    if (!name)
        return {};
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Runs a host (Unix) program and waits until `done` holds: Wine's handle of a host process
// does not tell when the process ends, so the effect itself is awaited.
template <class Done>
bool RunHostCommand(const char* program, std::string commandLine, Done done)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    for (int waited = 0; !done() && waited < 30000; waited += 20)
        Sleep(20);
    return done();
}

} // namespace

std::wstring Extended(const std::wstring& path)
{
    return path.rfind(L"\\\\?\\", 0) == 0 ? path : L"\\\\?\\" + path;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(Extended(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsDirectory(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(Extended(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeDirectories(const std::wstring& path)
{
    for (size_t at = path.find(L'\\', 3); ; at = path.find(L'\\', at + 1)) {
        CreateDirectoryW(Extended(path.substr(0, at)).c_str(), nullptr);
        if (at == std::wstring::npos)
            break;
    }
}

void WriteFile(const std::wstring& path, const std::string& content)
{
    HANDLE file = CreateFileW(Extended(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

namespace {

// Removes one entry whose attributes are known, links never followed; what Wine cannot remove
// itself (host symbolic links, also dangling ones) is handed to the host's rm, which never
// removes a directory's content.
void RemoveEntry(const std::wstring& path, DWORD attributes)
{
    const std::wstring root = Extended(path);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW((root + L"\\*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = entry.cFileName;
                if (name != L"." && name != L"..")
                    RemoveEntry(path + L"\\" + name, entry.dwFileAttributes);
            } while (FindNextFileW(search, &entry));
            FindClose(search);
        }
    }
    SetFileAttributesW(root.c_str(), FILE_ATTRIBUTE_NORMAL);
    const bool removed = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(root.c_str()) : DeleteFileW(root.c_str());
    if (!removed && !(attributes & FILE_ATTRIBUTE_DIRECTORY && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)))
        RunHostCommand("Z:\\bin\\rm", "/bin/rm -f \"" + UnixPath(path) + "\"", [&] { return !EntryExists(path); });
}

} // namespace

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW self;
    HANDLE found = FindFirstFileW(Extended(path).c_str(), &self);
    if (found == INVALID_HANDLE_VALUE)
        return;
    FindClose(found);
    RemoveEntry(path, self.dwFileAttributes);
}

int CountEntries(const std::wstring& directory)
{
    int count = 0;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((Extended(directory) + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::wstring name = entry.cFileName;
        count += name != L"." && name != L"..";
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return count;
}

bool MakeDirectoryLink(const std::wstring& link, const std::wstring& target)
{
    const DWORD unprivileged = 2;  // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
    if (CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | unprivileged) && IsLink(link))
        return true;
    // Wine answers success without making anything: make a host link, which it shows as one.
    const std::string unixLink = UnixPath(link), unixTarget = UnixPath(target);
    if (unixLink.empty() || unixTarget.empty())
        return false;
    return RunHostCommand("Z:\\bin\\ln", "/bin/ln -s \"" + unixTarget + "\" \"" + unixLink + "\"", [&] { return IsLink(link); });
}

bool EntryExists(const std::wstring& path)
{
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(Extended(path).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

bool PlatformRemovesDirectoryLinks(const std::wstring& scratch)
{
    // The target holds a file: removing the link must neither need nor touch the target.
    const std::wstring target = scratch + L"\\probe-target", link = scratch + L"\\probe-link";
    MakeDirectories(target);
    WriteFile(target + L"\\kept");
    if (!MakeDirectoryLink(link, target))
        return false;
    const bool removed = RemoveDirectoryW(Extended(link).c_str()) && !EntryExists(link) && Exists(target + L"\\kept");
    RemoveTree(link);
    RemoveTree(target);
    return removed;
}

} // namespace disk
