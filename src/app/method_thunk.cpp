#include "app/method_thunk.h"

#include <windows.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "app/object_record.h"

namespace {

constexpr std::int64_t kMaxArgumentBytes = 1024;
constexpr std::size_t kRecordHeaderSize = 8;  // value 1 and the length, before the code

class CodeWriter {
public:
    void Bytes(std::initializer_list<std::uint8_t> bytes) { code_.insert(code_.end(), bytes); }
    void Word32(std::uint32_t value) { Little(value, 4); }
    void Word16(std::uint16_t value) { Little(value, 2); }
    ByteBuffer Finish() const { return ByteBuffer(code_); }

private:
    void Little(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            code_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    std::vector<std::uint8_t> code_;
};

}  // namespace

ByteBuffer BuildMethodThunk(const void* object, std::int32_t methodPosition, std::int32_t argumentCount,
                            bool passEcx, bool callerCleans)
{
    const std::uintptr_t method = MethodAddressAt(object, methodPosition);
    if (method == 0)
        return ByteBuffer();
    // Worked out in floating point and truncated toward zero, as every conversion here is.
    const auto argumentBytes = static_cast<std::int64_t>(4.0 * argumentCount);
    if (argumentBytes < 0 || argumentBytes > kMaxArgumentBytes)
        return ByteBuffer();
    const auto bytesToRemove = static_cast<std::uint16_t>(callerCleans ? 0 : argumentBytes);

    CodeWriter code;
    // Frame: the object's address at [ebp-4], then the caller's EBX, ECX, ESI, EDI and x87
    // control word at [ebp-8] down to [ebp-18h].
    code.Bytes({0x55});                          // push ebp
    code.Bytes({0x8B, 0xEC});                    // mov ebp, esp
    code.Bytes({0x68});                          // push imm32
    code.Word32(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(object)));
    code.Bytes({0x53});                          // push ebx
    code.Bytes({0x51});                          // push ecx
    code.Bytes({0x56});                          // push esi
    code.Bytes({0x57});                          // push edi
    code.Bytes({0x6A, 0x00});                    // push 0
    code.Bytes({0xD9, 0x3C, 0x24});              // fnstcw [esp]
    code.Bytes({0xDB, 0xE3});                    // fninit: the method starts from the unit's initial state
    if (argumentCount != 0) {
        // Copy the caller's arguments below the saved values, then give back the registers the
        // copy used.
        code.Bytes({0xB9});                      // mov ecx, imm32
        code.Word32(static_cast<std::uint32_t>(argumentBytes));
        code.Bytes({0x2B, 0xE1});                // sub esp, ecx
        code.Bytes({0x8D, 0x75, 0x08});          // lea esi, [ebp+8]
        code.Bytes({0x8D, 0x3C, 0x24});          // lea edi, [esp]
        code.Bytes({0xFC});                      // cld
        code.Bytes({0xF3, 0xA4});                // rep movsb
        code.Bytes({0x8B, 0x4D, 0xF4});          // mov ecx, [ebp-0Ch]
        code.Bytes({0x8B, 0x75, 0xF0});          // mov esi, [ebp-10h]
        code.Bytes({0x8B, 0x7D, 0xEC});          // mov edi, [ebp-14h]
    }
    if (passEcx)
        code.Bytes({0x51});                      // push ecx
    code.Bytes({0x8D, 0x45, 0xFC});              // lea eax, [ebp-4]: the reference
    code.Bytes({0x50});                          // push eax
    code.Bytes({0xB8});                          // mov eax, imm32
    code.Word32(static_cast<std::uint32_t>(method));
    code.Bytes({0xFF, 0xD0});                    // call eax
    // Restore the caller's registers and control word; mov esp, ebp drops whatever the method
    // left on the stack.
    code.Bytes({0x8B, 0x5D, 0xF8});              // mov ebx, [ebp-8]
    code.Bytes({0x8B, 0x4D, 0xF4});              // mov ecx, [ebp-0Ch]
    code.Bytes({0x8B, 0x75, 0xF0});              // mov esi, [ebp-10h]
    code.Bytes({0x8B, 0x7D, 0xEC});              // mov edi, [ebp-14h]
    code.Bytes({0xD9, 0x6D, 0xE8});              // fldcw [ebp-18h]
    code.Bytes({0x8B, 0xE5});                    // mov esp, ebp
    code.Bytes({0x5D});                          // pop ebp
    code.Bytes({0xC2});                          // ret imm16
    code.Word16(bytesToRemove);
    return code.Finish();
}

MethodThunk& MethodThunk::operator=(const MethodThunk& other)
{
    if (this != &other) {
        const ByteBuffer code = other.Code();
        Release();
        Place(code);
    }
    return *this;
}

MethodThunk::MethodThunk(MethodThunk&& other) noexcept
    : block_(std::exchange(other.block_, nullptr)), codeSize_(std::exchange(other.codeSize_, 0))
{
}

MethodThunk& MethodThunk::operator=(MethodThunk&& other) noexcept
{
    if (this != &other) {
        Release();
        block_ = std::exchange(other.block_, nullptr);
        codeSize_ = std::exchange(other.codeSize_, 0);
    }
    return *this;
}

bool MethodThunk::Build(const void* object, std::int32_t methodPosition, std::int32_t argumentCount, bool passEcx,
                        bool callerCleans)
{
    Release();
    return Place(BuildMethodThunk(object, methodPosition, argumentCount, passEcx, callerCleans));
}

void MethodThunk::Release()
{
    if (block_ != nullptr)
        VirtualFree(block_, 0, MEM_RELEASE);
    block_ = nullptr;
    codeSize_ = 0;
}

std::uintptr_t MethodThunk::CodeAddress() const
{
    return block_ == nullptr ? 0 : reinterpret_cast<std::uintptr_t>(block_) + kRecordHeaderSize;
}

ByteBuffer MethodThunk::Code() const
{
    if (block_ == nullptr)
        return ByteBuffer();
    return ByteBuffer(reinterpret_cast<const void*>(CodeAddress()), codeSize_);
}

// Writes the record into fresh read/write pages, then turns them execute/read only, so no page
// is ever writable and executable at once. Expects nothing held.
bool MethodThunk::Place(const ByteBuffer& code)
{
    if (code.empty())
        return false;
    const std::size_t recordSize = kRecordHeaderSize + code.size();
    void* block = VirtualAlloc(nullptr, recordSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (block == nullptr)
        return false;
    std::memcpy(block, code.Record(), recordSize);
    DWORD previous = 0;
    if (!VirtualProtect(block, recordSize, PAGE_EXECUTE_READ, &previous)) {
        VirtualFree(block, 0, MEM_RELEASE);
        return false;
    }
    FlushInstructionCache(GetCurrentProcess(), block, recordSize);
    block_ = block;
    codeSize_ = code.size();
    return true;
}
