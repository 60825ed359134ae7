#pragma once
// A block of bytes as the program hands it around: a 32-bit value 1, a 32-bit length, then the
// bytes. Embedded pictures, image data and generated code are held this way. Users that need
// the bytes take data(), the first byte after the two header words.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

class ByteBuffer {
public:
    ByteBuffer() : storage_(kHeaderSize, 0) { WriteHeader(); }
    ByteBuffer(const void* bytes, std::size_t size) : storage_(kHeaderSize + size, 0)
    {
        if (size != 0)
            std::memcpy(storage_.data() + kHeaderSize, bytes, size);
        WriteHeader();
    }
    explicit ByteBuffer(const std::vector<std::uint8_t>& bytes) : ByteBuffer(bytes.data(), bytes.size()) {}

    std::size_t size() const { return storage_.size() - kHeaderSize; }
    bool empty() const { return size() == 0; }
    const std::uint8_t* data() const { return storage_.data() + kHeaderSize; }
    std::uint8_t* data() { return storage_.data() + kHeaderSize; }
    const std::uint8_t* begin() const { return data(); }
    const std::uint8_t* end() const { return data() + size(); }
    std::vector<std::uint8_t> ToVector() const { return {begin(), end()}; }

    // The record as laid out in memory: value 1, length, bytes.
    const void* Record() const { return storage_.data(); }

    friend bool operator==(const ByteBuffer& a, const ByteBuffer& b) { return a.storage_ == b.storage_; }
    friend bool operator!=(const ByteBuffer& a, const ByteBuffer& b) { return !(a == b); }

private:
    static constexpr std::size_t kHeaderSize = 8;
    void WriteHeader()
    {
        const std::uint32_t header[2] = {1, static_cast<std::uint32_t>(size())};
        std::memcpy(storage_.data(), header, sizeof header);
    }
    std::vector<std::uint8_t> storage_;
};
