#include "gdiplus/memory_stream.h"

#include <algorithm>
#include <cstring>

MemoryStream::~MemoryStream()
{
    Release();
}

IStream* MemoryStream::Create(const ByteBuffer& bytes, std::optional<std::uint32_t> size)
{
    Release();
    const SIZE_T length = size.value_or(static_cast<std::uint32_t>(bytes.size()));
    memoryHandle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length);
    // No block, no stream: over a null handle CreateStreamOnHGlobal would make a block of its own
    // that nothing frees (the stream does not own it).
    if (memoryHandle == nullptr)
        return nullptr;
    if (FAILED(CreateStreamOnHGlobal(memoryHandle, FALSE, &stream))) {
        GlobalFree(memoryHandle);  // Release frees the block only together with a stream
        memoryHandle = nullptr;
        return nullptr;
    }
    lockedPointer = GlobalLock(memoryHandle);
    if (lockedPointer != nullptr)
        std::memcpy(lockedPointer, bytes.data(), std::min<SIZE_T>(length, bytes.size()));
    GlobalUnlock(memoryHandle);
    return stream;
}

void MemoryStream::Release()
{
    if (stream == nullptr)
        return;
    stream->Release();
    GlobalFree(memoryHandle);
    memoryHandle = nullptr;
    stream = nullptr;
}

SIZE_T MemoryStream::GetSize() const
{
    return GlobalSize(memoryHandle);
}

bool MemoryStream::Attach(IStream* source)
{
    Release();
    memoryHandle = nullptr;
    GetHGlobalFromStream(source, &memoryHandle);
    stream = source;
    return memoryHandle != nullptr;
}

ByteBuffer MemoryStream::GetBytes()
{
    lockedPointer = GlobalLock(memoryHandle);
    const SIZE_T size = GlobalSize(memoryHandle);
    ByteBuffer copy(lockedPointer, lockedPointer != nullptr ? size : 0);
    GlobalUnlock(memoryHandle);
    return copy;
}
