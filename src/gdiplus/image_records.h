#pragma once
// Records that the image classes take and return. GUIDs travel as their 38-character text,
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case, as StringFromGUID2 writes them.
#include "common/byte_buffer.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

// A palette: flags, count and the ARGB entries (callers keep count == entries.size()).
struct PaletteRecord {
    std::uint32_t flags = 0;
    std::uint32_t count = 0;
    std::vector<std::uint32_t> entries;
};

// One image property: its id, the byte length of its value, its type (GDI+'s property type in
// the low 16 bits) and the value bytes.
struct PropertyItemRecord {
    std::uint32_t id = 0;
    std::uint32_t length = 0;
    std::uint32_t type = 0;
    ByteBuffer value;
};

// One encoder parameter: category GUID text, number of values, value type (1 byte, 2 ASCII,
// 3 short, 4 long, 5 rational, 6 long range, 7 undefined, 8 rational range) and the value bytes.
struct EncoderParameterRecord {
    std::string category;
    std::uint32_t numberOfValues = 0;
    std::uint32_t type = 0;
    ByteBuffer value;
};

// Callers keep count equal to parameters.size(); it is passed to GDI+ as it is.
struct EncoderParameterList {
    std::uint32_t count = 0;
    std::vector<EncoderParameterRecord> parameters;
};

// One installed image encoder as GDI+ describes it.
struct CodecInfoRecord {
    std::string clsid;
    std::string formatId;
    std::string codecName;
    std::string dllName;
    std::string formatDescription;
    std::string filenameExtension;
    std::string mimeType;
    std::uint32_t flags = 0;
    std::uint32_t version = 0;
    std::uint32_t signatureCount = 0;
    std::uint32_t signatureSize = 0;
    ByteBuffer signaturePatterns;  // signatureCount x signatureSize bytes
    ByteBuffer signatureMasks;
};

// Width and height in GDI+'s order of the physical dimension.
struct SizeF {
    float width = 0;
    float height = 0;
};

// One entry of a colour remap table: pixels of oldColor are drawn as newColor.
struct ColorMapEntry {
    std::uint32_t oldColor = 0;
    std::uint32_t newColor = 0;
};
static_assert(sizeof(ColorMapEntry) == 8, "GDI+ takes the maps as 8-byte pairs");

// Width, height, stride, pixel format, first scan line and a reserved word, as LockBits fills it.
using BitmapData = Gdiplus::BitmapData;
static_assert(sizeof(BitmapData) == 24, "six 32-bit fields");
