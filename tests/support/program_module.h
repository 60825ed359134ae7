#pragma once
// The program under test, CacheCleaner.exe, which the build puts beside the test program.
#include <windows.h>

#include <string>

// Full path of CacheCleaner.exe.
std::string ProgramPath();

// The program loaded as a data file, so its resources can be read without running it.
class ProgramModule {
public:
    ProgramModule();
    ~ProgramModule();
    ProgramModule(const ProgramModule&) = delete;
    ProgramModule& operator=(const ProgramModule&) = delete;

    HMODULE Handle() const { return module_; }
    // The bytes of one resource, empty when there is none.
    std::string Resource(LPCSTR name, LPCSTR type) const;

private:
    HMODULE module_ = nullptr;
};
