#pragma once
// A run of characters whose area a measurement reports: the first character and the count.
#include <cstdint>

struct CharacterRange {
    std::int32_t first = 0;
    std::int32_t length = 0;
};

static_assert(sizeof(CharacterRange) == 8, "two 32-bit fields, as GDI+ reads them");
