#include "gdiplus/memory_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace {

const std::vector<std::uint8_t> kTenBytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

// What a reader of the stream sees from its start.
std::vector<std::uint8_t> ReadAll(IStream* stream, std::size_t size)
{
    std::vector<std::uint8_t> bytes(size + 4, 0xEE);
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    bytes.resize(read);
    return bytes;
}

TEST(GdiplusMemoryStream, CreateCopiesTheBytesIntoTheBlockTheStreamReads)
{
    struct Case {
        std::optional<std::uint32_t> size;
        std::size_t expected;
    };
    for (const Case& c : {Case{std::nullopt, 10}, Case{4u, 4}, Case{0u, 0}}) {
        MemoryStream memory;
        IStream* stream = memory.Create(ByteBuffer(kTenBytes), c.size);
        ASSERT_NE(stream, nullptr);
        const std::vector<std::uint8_t> expected(kTenBytes.begin(), kTenBytes.begin() + c.expected);
        EXPECT_EQ(memory.GetStream(), stream);
        EXPECT_EQ(memory.GetSize(), c.expected);
        EXPECT_EQ(memory.GetBytes().ToVector(), expected);
        EXPECT_EQ(ReadAll(stream, c.expected), expected);
    }
}

TEST(GdiplusMemoryStream, ABlockThatCannotBeAllocatedGivesNoStream)
{
    MemoryStream memory;
    memory.Create(ByteBuffer(kTenBytes));
    EXPECT_EQ(memory.Create(ByteBuffer(kTenBytes), 0xFFFFFFF0u), nullptr);  // more than 32 bits can hold
    EXPECT_EQ(memory.GetStream(), nullptr);
    EXPECT_EQ(memory.GetHandle(), nullptr);
    EXPECT_TRUE(memory.GetBytes().empty());
}

TEST(GdiplusMemoryStream, ReleaseEmptiesTheObjectAndCreateReplacesWhatItHeld)
{
    MemoryStream memory;
    memory.Create(ByteBuffer(kTenBytes));
    memory.Create(ByteBuffer(kTenBytes.data(), 3));
    EXPECT_EQ(memory.GetBytes().ToVector(), (std::vector<std::uint8_t>{1, 2, 3}));
    memory.Release();
    EXPECT_EQ(memory.GetStream(), nullptr);
    EXPECT_EQ(memory.GetHandle(), nullptr);
    EXPECT_EQ(memory.GetSize(), 0u);
    EXPECT_TRUE(memory.GetBytes().empty());
    memory.Release();  // a second release does nothing
    EXPECT_EQ(memory.GetStream(), nullptr);
}

TEST(GdiplusMemoryStream, BytesWrittenThroughTheStreamAreWhatGetBytesReturns)
{
    MemoryStream memory;
    IStream* stream = memory.Create(ByteBuffer());
    const char text[] = "written";
    ULONG written = 0;
    ASSERT_EQ(stream->Write(text, 7, &written), S_OK);
    EXPECT_EQ(memory.GetBytes().ToVector(), std::vector<std::uint8_t>(text, text + 7));
}

TEST(GdiplusMemoryStream, AttachTakesOverAStreamOverAGlobalBlock)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 3);
    std::memcpy(GlobalLock(block), "abc", 3);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);

    MemoryStream memory;
    memory.Create(ByteBuffer(kTenBytes));
    EXPECT_TRUE(memory.Attach(stream));
    EXPECT_EQ(memory.GetStream(), stream);
    EXPECT_EQ(memory.GetHandle(), block);
    EXPECT_EQ(memory.GetBytes().ToVector(), (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    memory.Release();  // the stream's reference and the block go with it
    EXPECT_EQ(memory.GetHandle(), nullptr);
}

TEST(GdiplusMemoryStream, AttachOfNoStreamFindsNoBlock)
{
    MemoryStream memory;
    memory.Create(ByteBuffer(kTenBytes));
    EXPECT_FALSE(memory.Attach(nullptr));
    EXPECT_EQ(memory.GetHandle(), nullptr);
    EXPECT_EQ(memory.GetStream(), nullptr);
}

}  // namespace
