// The exact bytes of generated stubs, for every combination of options.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "app/method_thunk.h"
#include "app/object_record.h"

namespace {

struct Target;
struct TargetMethods {
    void(__stdcall* Destroy)(ObjectRef<Target>);
    Target*(__stdcall* Copy)(ObjectRef<Target>);
    int(__stdcall* Handle)(ObjectRef<Target>, int, int, int);
};
struct Target {
    const TargetMethods* methods;
};

int __stdcall Handle(ObjectRef<Target>, int, int, int) { return 1; }

const TargetMethods kMethods = {nullptr, nullptr, &Handle};

// The stub's instructions as the program's developer documents them, one row per
// instruction: its bytes without operand, the operand that follows and when it is present.
enum class Operand { None, ObjectAddress, ArgumentBytes, MethodAddress, ReturnBytes };
enum class Present { Always, WithArguments, WithEcx };
struct Instruction {
    std::vector<std::uint8_t> bytes;
    Operand operand;
    Present present;
};

const Instruction kLayout[] = {
    {{0x55}, Operand::None, Present::Always},
    {{0x8B, 0xEC}, Operand::None, Present::Always},
    {{0x68}, Operand::ObjectAddress, Present::Always},
    {{0x53}, Operand::None, Present::Always},
    {{0x51}, Operand::None, Present::Always},
    {{0x56}, Operand::None, Present::Always},
    {{0x57}, Operand::None, Present::Always},
    {{0x6A, 0x00}, Operand::None, Present::Always},
    {{0xD9, 0x3C, 0x24}, Operand::None, Present::Always},
    {{0xDB, 0xE3}, Operand::None, Present::Always},
    {{0xB9}, Operand::ArgumentBytes, Present::WithArguments},
    {{0x2B, 0xE1}, Operand::None, Present::WithArguments},
    {{0x8D, 0x75, 0x08}, Operand::None, Present::WithArguments},
    {{0x8D, 0x3C, 0x24}, Operand::None, Present::WithArguments},
    {{0xFC}, Operand::None, Present::WithArguments},
    {{0xF3, 0xA4}, Operand::None, Present::WithArguments},
    {{0x8B, 0x4D, 0xF4}, Operand::None, Present::WithArguments},
    {{0x8B, 0x75, 0xF0}, Operand::None, Present::WithArguments},
    {{0x8B, 0x7D, 0xEC}, Operand::None, Present::WithArguments},
    {{0x51}, Operand::None, Present::WithEcx},
    {{0x8D, 0x45, 0xFC}, Operand::None, Present::Always},
    {{0x50}, Operand::None, Present::Always},
    {{0xB8}, Operand::MethodAddress, Present::Always},
    {{0xFF, 0xD0}, Operand::None, Present::Always},
    {{0x8B, 0x5D, 0xF8}, Operand::None, Present::Always},
    {{0x8B, 0x4D, 0xF4}, Operand::None, Present::Always},
    {{0x8B, 0x75, 0xF0}, Operand::None, Present::Always},
    {{0x8B, 0x7D, 0xEC}, Operand::None, Present::Always},
    {{0xD9, 0x6D, 0xE8}, Operand::None, Present::Always},
    {{0x8B, 0xE5}, Operand::None, Present::Always},
    {{0x5D}, Operand::None, Present::Always},
    {{0xC2}, Operand::ReturnBytes, Present::Always},
};

void AppendLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> ExpectedStub(const void* object, const void* method, int argumentCount, bool passEcx,
                                       bool callerCleans)
{
    std::vector<std::uint8_t> out;
    for (const Instruction& instruction : kLayout) {
        if ((instruction.present == Present::WithArguments && argumentCount == 0) ||
            (instruction.present == Present::WithEcx && !passEcx))
            continue;
        out.insert(out.end(), instruction.bytes.begin(), instruction.bytes.end());
        switch (instruction.operand) {
        case Operand::None: break;
        case Operand::ObjectAddress: AppendLittleEndian(out, reinterpret_cast<std::uintptr_t>(object), 4); break;
        case Operand::ArgumentBytes: AppendLittleEndian(out, 4 * argumentCount, 4); break;
        case Operand::MethodAddress: AppendLittleEndian(out, reinterpret_cast<std::uintptr_t>(method), 4); break;
        case Operand::ReturnBytes: AppendLittleEndian(out, callerCleans ? 0 : 4 * argumentCount, 2); break;
        }
    }
    return out;
}

TEST(AppMethodThunkLayout, EveryOptionCombinationGivesTheDocumentedBytes)
{
    const Target target{&kMethods};
    for (int argumentCount : {0, 1, 3, 4, 64, 255, 256})
        for (bool passEcx : {false, true})
            for (bool callerCleans : {false, true}) {
                SCOPED_TRACE(testing::Message() << "arguments " << argumentCount << ", passEcx " << passEcx
                                                << ", callerCleans " << callerCleans);
                const ByteBuffer stub = BuildMethodThunk(&target, 3, argumentCount, passEcx, callerCleans);
                EXPECT_EQ(stub.ToVector(),
                          ExpectedStub(&target, reinterpret_cast<const void*>(&Handle), argumentCount, passEcx,
                                       callerCleans));
            }
}

// Lengths and endings pinned as plain numbers, independent of the table above.
struct PinnedStub {
    int argumentCount;
    bool passEcx;
    bool callerCleans;
    std::size_t length;
    std::vector<std::uint8_t> ending;
};

TEST(AppMethodThunkLayout, LengthsAndReturnOperands)
{
    const Target target{&kMethods};
    const PinnedStub cases[] = {
        {4, false, false, 76, {0xC2, 0x10, 0x00}},
        {3, false, false, 76, {0xC2, 0x0C, 0x00}},
        {0, false, false, 51, {0xC2, 0x00, 0x00}},
        {0, true, false, 52, {0xC2, 0x00, 0x00}},
        {256, false, false, 76, {0xC2, 0x00, 0x04}},
        {4, false, true, 76, {0xC2, 0x00, 0x00}},
        {4, true, false, 77, {0xC2, 0x10, 0x00}},
    };
    for (const PinnedStub& c : cases) {
        SCOPED_TRACE(testing::Message() << "arguments " << c.argumentCount << ", passEcx " << c.passEcx
                                        << ", callerCleans " << c.callerCleans);
        const std::vector<std::uint8_t> stub =
            BuildMethodThunk(&target, 3, c.argumentCount, c.passEcx, c.callerCleans).ToVector();
        ASSERT_EQ(stub.size(), c.length);
        EXPECT_EQ(std::vector<std::uint8_t>(stub.end() - 3, stub.end()), c.ending);
    }
    // 256 arguments: the copy block moves 0x400 bytes.
    const std::vector<std::uint8_t> widest = BuildMethodThunk(&target, 3, 256).ToVector();
    EXPECT_EQ(std::vector<std::uint8_t>(widest.begin() + 19, widest.begin() + 24),
              (std::vector<std::uint8_t>{0xB9, 0x00, 0x04, 0x00, 0x00}));
}

TEST(AppMethodThunkLayout, NoCodeForAMissingMethodOrArgumentsOutsideTheRange)
{
    const Target target{&kMethods};
    EXPECT_TRUE(BuildMethodThunk(&target, 1, 4).empty()) << "slot 0 holds no routine";
    EXPECT_TRUE(BuildMethodThunk(&target, 2).empty()) << "slot 1 holds no routine";
    EXPECT_TRUE(BuildMethodThunk(&target, 0).empty()) << "positions start at 1";
    EXPECT_TRUE(BuildMethodThunk(nullptr, 3).empty()) << "no object, no table";
    for (int argumentCount : {257, -1, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(argumentCount);
        EXPECT_TRUE(BuildMethodThunk(&target, 3, argumentCount).empty());
        EXPECT_TRUE(BuildMethodThunk(&target, 3, argumentCount, true, true).empty());
    }
    EXPECT_FALSE(BuildMethodThunk(&target, 3, 256).empty());
}

}  // namespace
