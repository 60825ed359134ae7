#include "app/method_thunk_probe.h"

// The assembly below addresses these fields by offset.
static_assert(offsetof(ProbeCall, routine) == 0 && offsetof(ProbeCall, args) == 4 &&
              offsetof(ProbeCall, count) == 8 && offsetof(ProbeCall, callerCleans) == 12 &&
              offsetof(ProbeCall, controlWord) == 16 && offsetof(ProbeCall, ebx) == 20 &&
              offsetof(ProbeCall, ecx) == 24 && offsetof(ProbeCall, esi) == 28 && offsetof(ProbeCall, edi) == 32);
static_assert(offsetof(ProbeResult, eax) == 0 && offsetof(ProbeResult, edx) == 4 && offsetof(ProbeResult, ebx) == 8 &&
              offsetof(ProbeResult, ecx) == 12 && offsetof(ProbeResult, esi) == 16 &&
              offsetof(ProbeResult, edi) == 20 && offsetof(ProbeResult, espBeforeArguments) == 24 &&
              offsetof(ProbeResult, espAfterCall) == 28 && offsetof(ProbeResult, controlWord) == 32);
static_assert(offsetof(MethodRecord, object) == 0 && offsetof(MethodRecord, controlWord) == 4 &&
              offsetof(MethodRecord, ebx) == 8 && offsetof(MethodRecord, ecx) == 12 &&
              offsetof(MethodRecord, esi) == 16 && offsetof(MethodRecord, edi) == 20 &&
              offsetof(MethodRecord, words) == 24 && kRecordedWords == 260);
static_assert(kDisturberEax == 0x600DF00D && kDisturberEdx == 0x0DDBA11C && kDisturberControlWord == 0x0C7F);

extern "C" {
MethodRecord gMethodRecord;
}

// void CallThroughProbe(const ProbeCall* call, ProbeResult* result)
//   Frame: [ebp+8] call, [ebp+12] result; [ebp-16] own control word, [ebp-20] ESP before the
//   arguments, [ebp-24] scratch for EDI.
//
// RecordAndDisturb: records, then returns with another control word, two words left on the
//   stack, the arguments not removed and EBX, ECX, ESI, EDI scrambled.
asm(R"(
    .intel_syntax noprefix
    .text
    .globl _CallThroughProbe
_CallThroughProbe:
    push ebp
    mov ebp, esp
    push ebx
    push esi
    push edi
    sub esp, 12
    fnstcw word ptr [ebp-16]
    mov edx, [ebp+8]
    fldcw word ptr [edx+16]
    mov [ebp-20], esp
    mov ecx, [edx+8]
    mov esi, [edx+4]
.Lprobe_push:
    test ecx, ecx
    jz .Lprobe_call
    push dword ptr [esi+ecx*4-4]
    dec ecx
    jmp .Lprobe_push
.Lprobe_call:
    mov eax, [edx+0]
    mov ebx, [edx+20]
    mov ecx, [edx+24]
    mov esi, [edx+28]
    mov edi, [edx+32]
    call eax
    mov [ebp-24], edi
    mov edi, [ebp+12]
    mov [edi+0], eax
    mov [edi+4], edx
    mov [edi+8], ebx
    mov [edi+12], ecx
    mov [edi+16], esi
    mov eax, [ebp-24]
    mov [edi+20], eax
    mov dword ptr [edi+32], 0
    fnstcw word ptr [edi+32]
    mov edx, [ebp+8]
    cmp dword ptr [edx+12], 0
    je .Lprobe_measure
    mov eax, [edx+8]
    shl eax, 2
    add esp, eax
.Lprobe_measure:
    mov [edi+28], esp
    mov eax, [ebp-20]
    mov [edi+24], eax
    fldcw word ptr [ebp-16]
    lea esp, [ebp-12]
    pop edi
    pop esi
    pop ebx
    pop ebp
    ret

    .globl _RecordAndDisturb
_RecordAndDisturb:
    mov dword ptr [_gMethodRecord+8], ebx
    mov dword ptr [_gMethodRecord+12], ecx
    mov dword ptr [_gMethodRecord+16], esi
    mov dword ptr [_gMethodRecord+20], edi
    mov eax, [esp+4]
    mov eax, [eax]
    mov dword ptr [_gMethodRecord], eax
    mov dword ptr [_gMethodRecord+4], 0
    fnstcw word ptr [_gMethodRecord+4]
    lea esi, [esp+4]
    mov edi, offset _gMethodRecord+24
    mov ecx, 260
    cld
    rep movsd
    push 0x0C7F
    fldcw word ptr [esp]
    push 0x5A5A5A5A
    mov ebx, 0xBADBAD01
    mov ecx, 0xBADBAD02
    mov esi, 0xBADBAD03
    mov edi, 0xBADBAD04
    mov eax, 0x600DF00D
    mov edx, 0x0DDBA11C
    push dword ptr [esp+8]
    ret
    .att_syntax prefix
)");
