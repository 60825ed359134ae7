#pragma once
// An OLE stream over a global memory block made from a ByteBuffer: images are decoded from it and
// encoded into it. The stream does not own the block (delete-on-release off); this object frees
// the block itself after releasing the stream, so the bytes stay readable after GDI+ wrote them.
// Not a GDI+ wrapper. Methods in the order of its table (slot numbers in comments).
#include "common/byte_buffer.h"

#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <optional>

class MemoryStream {
public:
    MemoryStream() = default;
    ~MemoryStream();                                   // 0: Release
    MemoryStream(const MemoryStream&) = delete;        // 1: a copy would free the block twice
    MemoryStream& operator=(const MemoryStream&) = delete;

    // 2: releases what was held, copies the first `size` bytes (all when omitted; never more
    // than there are) into a new zero-filled block and returns the stream over it.
    IStream* Create(const ByteBuffer& bytes, std::optional<std::uint32_t> size = std::nullopt);
    void Release();                                    // 3: the stream's reference, then the block
    SIZE_T GetSize() const;                            // 4: GlobalSize of the block
    IStream* GetStream() const { return stream; }      // 5
    HGLOBAL GetHandle() const { return memoryHandle; } // 6
    // 7: takes over one reference of `source` and its block; true when it has a global block.
    // The stream must have been made with delete-on-release off.
    bool Attach(IStream* source);
    ByteBuffer GetBytes();                             // 8: a copy of the whole block

private:
    HGLOBAL memoryHandle = nullptr;
    void* lockedPointer = nullptr;  // latest GlobalLock result, kept for nothing but the record
    IStream* stream = nullptr;
};
