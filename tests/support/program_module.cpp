#include "support/program_module.h"

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string tests(path);
    return tests.substr(0, tests.find_last_of("\\/") + 1) + "CacheCleaner.exe";
}

ProgramModule::ProgramModule() : module_(LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

ProgramModule::~ProgramModule()
{
    if (module_ != nullptr)
        FreeLibrary(module_);
}

std::string ProgramModule::Resource(LPCSTR name, LPCSTR type) const
{
    HRSRC found = FindResourceA(module_, name, type);
    if (found == nullptr)
        return {};
    const void* bytes = LockResource(LoadResource(module_, found));
    return std::string(static_cast<const char*>(bytes), SizeofResource(module_, found));
}
