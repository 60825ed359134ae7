#pragma once
// Generated x86 code that lets a method of one object serve as a plain callback: the stub is
// called like an ordinary routine (arguments on the stack, callee removes them, result in
// EAX:EDX) and calls the method at a given position of the object's method table with a
// reference to the object followed by the same arguments (see app/object_record.h).
#include <cstddef>
#include <cstdint>

#include "common/byte_buffer.h"

// The code of a stub for `object` (a record whose first word is its method table) calling the
// method at 1-based `methodPosition`, taking `argumentCount` 32-bit stack arguments. `passEcx`
// hands the caller's ECX to the method right after the reference; `callerCleans` returns
// without removing the arguments. Empty when the method address is 0 or the arguments do not
// fit in 0 to 1024 bytes.
ByteBuffer BuildMethodThunk(const void* object, std::int32_t methodPosition, std::int32_t argumentCount = 0,
                            bool passEcx = false, bool callerCleans = false);

// Owns one stub placed in pages that may be executed but not written. The block holds the
// whole ByteBuffer record (value 1, length, code); the entry point is the first code byte.
class MethodThunk {
public:
    MethodThunk() = default;
    ~MethodThunk() { Release(); }
    // A copy places the same code again: it still calls the object the original was built for.
    MethodThunk(const MethodThunk& other) { Place(other.Code()); }
    MethodThunk& operator=(const MethodThunk& other);
    MethodThunk(MethodThunk&& other) noexcept;
    MethodThunk& operator=(MethodThunk&& other) noexcept;

    // Releases the stub held before, then builds and places a new one. False (and nothing
    // held) when the builder gives no code or the pages cannot be had.
    bool Build(const void* object, std::int32_t methodPosition, std::int32_t argumentCount = 0,
               bool passEcx = false, bool callerCleans = false);
    void Release();

    bool empty() const { return block_ == nullptr; }
    // Entry point of the stub, 0 when none is held.
    std::uintptr_t CodeAddress() const;
    // A copy of the placed code (empty when none is held).
    ByteBuffer Code() const;

private:
    bool Place(const ByteBuffer& code);

    void* block_ = nullptr;
    std::size_t codeSize_ = 0;
};

// The address callers jump to: the first code byte of the held stub, or 0 when it holds none.
inline std::uintptr_t GetCodeAddress(const MethodThunk& thunk) { return thunk.CodeAddress(); }
