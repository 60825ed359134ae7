#include "gdiplus/flat_api.h"

#include <cstddef>
#include <cstring>

namespace {

struct EntryName {
    const char* name;
    std::size_t offset;
};

const EntryName kEntries[] = {
#define GDIPLUS_FUNCTION_TYPED(name, type) {#name, offsetof(FlatApi, name)},
#include "gdiplus/flat_api_lists.inc"
};
static_assert(sizeof kEntries / sizeof kEntries[0] == static_cast<std::size_t>(FlatFunction::Count));

void* ReadEntry(const FlatApi& api, std::size_t offset)
{
    void* value = nullptr;
    std::memcpy(&value, reinterpret_cast<const char*>(&api) + offset, sizeof value);
    return value;
}

FlatApi Bind()
{
    FlatApi api;
    HMODULE module = LoadLibraryW(L"gdiplus.dll");
    if (module == nullptr)
        return api;
    for (const EntryName& entry : kEntries) {
        FARPROC address = GetProcAddress(module, entry.name);
        std::memcpy(reinterpret_cast<char*>(&api) + entry.offset, &address, sizeof address);
    }
    return api;
}

}  // namespace

FlatApi& Flat()
{
    static FlatApi api = Bind();
    return api;
}

std::vector<std::string> UnboundFlatFunctions()
{
    std::vector<std::string> names;
    for (const EntryName& entry : kEntries)
        if (ReadEntry(Flat(), entry.offset) == nullptr)
            names.push_back(entry.name);
    return names;
}
