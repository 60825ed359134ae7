#pragma once
// The one way the library reaches GDI+: a table of the flat functions of gdiplus.dll, bound by
// their exported names on first use (the import library lacks some exports). Every entry is
// typed as mingw declares the function, so calls are checked by the compiler; a test can
// re-point an entry (see flat_api_recorder.h). Each class family lists its functions in
// api/<family>.inc; a function appears in exactly one list.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <string>
#include <vector>

struct FlatApi {
#define GDIPLUS_FUNCTION_TYPED(name, type) type name = nullptr;
#include "gdiplus/flat_api_lists.inc"
};

// Position of each entry in the table.
enum class FlatFunction : int {
#define GDIPLUS_FUNCTION_TYPED(name, type) name,
#include "gdiplus/flat_api_lists.inc"
    Count
};

// The table, bound on first use. An export missing from gdiplus.dll leaves its entry null.
FlatApi& Flat();

// Names of the entries that gdiplus.dll did not provide.
std::vector<std::string> UnboundFlatFunctions();
