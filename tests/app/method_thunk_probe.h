#pragma once
// Assembly helpers that watch a stub from both sides: a caller that runs it with chosen
// registers and x87 control word and reports what it gets back, and a method that records what
// it receives and then misbehaves (other control word, values left on the stack, scrambled
// registers, arguments not removed).
#include <cstddef>
#include <cstdint>

struct ProbeCall {
    std::uintptr_t routine;       // the stub's entry point
    const std::uint32_t* args;    // pushed right to left, so args[0] is the first argument
    std::uint32_t count;
    std::uint32_t callerCleans;   // 1: remove the arguments after the call (a cdecl caller)
    std::uint32_t controlWord;    // x87 control word the caller runs with
    std::uint32_t ebx, ecx, esi, edi;  // register values the caller makes the call with
};

struct ProbeResult {
    std::uint32_t eax, edx;
    std::uint32_t ebx, ecx, esi, edi;
    std::uint32_t espBeforeArguments;
    std::uint32_t espAfterCall;   // after the caller's own clean-up, if any
    std::uint32_t controlWord;    // x87 control word right after the call
};

constexpr std::size_t kRecordedWords = 260;

// What RecordAndDisturb saw: the object behind the reference, the control word and registers
// it started with and the words above its return address (the reference first).
struct MethodRecord {
    std::uint32_t object;
    std::uint32_t controlWord;
    std::uint32_t ebx, ecx, esi, edi;
    std::uint32_t words[kRecordedWords];
};

// RecordAndDisturb's result, in EDX:EAX.
constexpr std::uint32_t kDisturberEax = 0x600DF00D;
constexpr std::uint32_t kDisturberEdx = 0x0DDBA11C;
// The control word RecordAndDisturb leaves behind: 24-bit precision, rounding toward zero.
constexpr std::uint16_t kDisturberControlWord = 0x0C7F;

extern "C" {
extern MethodRecord gMethodRecord;
void __cdecl CallThroughProbe(const ProbeCall* call, ProbeResult* result);
// Not callable from C++: reached only through a stub.
void RecordAndDisturb();
}
