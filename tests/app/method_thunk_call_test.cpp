// Real stubs called inside this process: what the method receives and what the caller gets back.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/method_thunk.h"
#include "app/method_thunk_probe.h"
#include "app/object_record.h"

namespace {

// A record whose operation slot holds the recording, misbehaving assembly method.
struct Recorded {
    const void* const* methods;
};
const void* const kRecordedMethods[] = {nullptr, nullptr, reinterpret_cast<const void*>(&RecordAndDisturb)};

constexpr std::uint16_t kInitialControlWord = 0x037F;  // after fninit
constexpr std::uint16_t kCallerControlWord = 0x0A7F;   // 53-bit precision, rounding up

struct CallerCase {
    std::uint32_t argumentCount;
    bool passEcx;
    bool callerCleans;
};

// The method changes the control word, leaves values on the stack, does not remove its
// arguments and scrambles EBX, ECX, ESI and EDI; the caller must see none of it.
void CheckCallThroughProbe(const CallerCase& c)
{
    const Recorded target{kRecordedMethods};
    MethodThunk thunk;
    ASSERT_TRUE(thunk.Build(&target, 3, static_cast<std::int32_t>(c.argumentCount), c.passEcx, c.callerCleans));

    std::vector<std::uint32_t> args;
    for (std::uint32_t i = 0; i < c.argumentCount; ++i)
        args.push_back(0xA0000000u + i * 0x00010001u);
    const ProbeCall call{GetCodeAddress(thunk), args.data(), c.argumentCount, c.callerCleans ? 1u : 0u,
                         kCallerControlWord, 0x11111111, 0xECC0ECC0, 0x33333333, 0x44444444};
    gMethodRecord = {};
    ProbeResult result{};
    CallThroughProbe(&call, &result);

    EXPECT_EQ(gMethodRecord.object, reinterpret_cast<std::uintptr_t>(&target)) << "the reference's cell";
    EXPECT_EQ(gMethodRecord.controlWord, kInitialControlWord) << "the method starts from a reset unit";
    EXPECT_EQ(gMethodRecord.ebx, call.ebx) << "the method starts with the caller's registers";
    EXPECT_EQ(gMethodRecord.ecx, call.ecx);
    EXPECT_EQ(gMethodRecord.esi, call.esi);
    EXPECT_EQ(gMethodRecord.edi, call.edi);
    std::vector<std::uint32_t> expectedWords;
    if (c.passEcx)
        expectedWords.push_back(call.ecx);
    expectedWords.insert(expectedWords.end(), args.begin(), args.end());
    EXPECT_EQ(std::vector<std::uint32_t>(gMethodRecord.words + 1, gMethodRecord.words + 1 + expectedWords.size()),
              expectedWords);

    EXPECT_EQ(result.eax, kDisturberEax);
    EXPECT_EQ(result.edx, kDisturberEdx);
    EXPECT_EQ(result.espAfterCall, result.espBeforeArguments);
    EXPECT_EQ(result.controlWord, kCallerControlWord);
    EXPECT_EQ(result.ebx, call.ebx);
    EXPECT_EQ(result.ecx, call.ecx);
    EXPECT_EQ(result.esi, call.esi);
    EXPECT_EQ(result.edi, call.edi);
}

TEST(AppMethodThunkCall, MethodGetsReferenceEcxAndArgumentsAndTheCallerGetsItsStateBack)
{
    const CallerCase cases[] = {{0, false, false}, {3, false, false}, {4, false, false}, {4, true, false},
                                {0, true, false},  {4, false, true},  {2, true, true},   {256, false, false},
                                {256, true, true}};
    for (const CallerCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "arguments " << c.argumentCount << ", passEcx " << c.passEcx
                                        << ", callerCleans " << c.callerCleans);
        CheckCallThroughProbe(c);
    }
}

// A listener in the image button's shape: slot 2 takes (message, x, y) and answers 1 when the
// point is its own.
struct Listener;
struct ListenerMethods {
    void(__stdcall* Destroy)(ObjectRef<Listener>);
    Listener*(__stdcall* Copy)(ObjectRef<Listener>);
    int(__stdcall* HandleMessage)(ObjectRef<Listener>, int message, int x, int y);
};
struct Listener {
    const ListenerMethods* methods;
    int left, top, right, bottom;
    std::vector<std::vector<int>> seen;
    int Handle(int message, int x, int y)
    {
        seen.push_back({message, x, y});
        return x >= left && x <= right && y >= top && y <= bottom ? 1 : 0;
    }
};
const ListenerMethods kListenerMethods = {nullptr, nullptr, &StdcallMethod<&Listener::Handle>::Call};

TEST(AppMethodThunkListener, ServesAsAThreeArgumentRoutine)
{
    Listener listener{&kListenerMethods, 10, 20, 30, 40, {}};
    MethodThunk thunk;
    ASSERT_TRUE(thunk.Build(&listener, 3, 3));
    using ListenerRoutine = int(__stdcall*)(int, int, int);
    const auto routine = reinterpret_cast<ListenerRoutine>(GetCodeAddress(thunk));

    const struct {
        int message, x, y, answer;
    } calls[] = {{0x200, 15, 25, 1}, {0x201, 9, 25, 0}, {0x202, 30, 40, 1}, {124, -5, 70000, 0}};
    std::vector<std::vector<int>> expectedSeen;
    for (const auto& call : calls) {
        EXPECT_EQ(routine(call.message, call.x, call.y), call.answer) << call.message;
        expectedSeen.push_back({call.message, call.x, call.y});
    }
    EXPECT_EQ(listener.seen, expectedSeen);

    // Program code calls the same slot through the table, with a reference of its own.
    EXPECT_EQ(CallMethod(listener, &ListenerMethods::HandleMessage, 0x200, 10, 40), 1);
    EXPECT_EQ(listener.seen.back(), (std::vector<int>{0x200, 10, 40}));
}

// 64-bit results travel back in EDX:EAX.
struct Joiner;
struct JoinerMethods {
    void(__stdcall* Destroy)(ObjectRef<Joiner>);
    Joiner*(__stdcall* Copy)(ObjectRef<Joiner>);
    std::uint64_t(__stdcall* Join)(ObjectRef<Joiner>, std::uint32_t high, std::uint32_t low);
};
struct Joiner {
    const JoinerMethods* methods;
    std::uint64_t Join(std::uint32_t high, std::uint32_t low) { return (std::uint64_t{high} << 32) | low; }
};
const JoinerMethods kJoinerMethods = {nullptr, nullptr, &StdcallMethod<&Joiner::Join>::Call};

TEST(AppMethodThunkWideResult, ReachesTheCallerInEdxAndEax)
{
    Joiner joiner{&kJoinerMethods};
    MethodThunk thunk;
    ASSERT_TRUE(thunk.Build(&joiner, 3, 2));
    using JoinRoutine = std::uint64_t(__stdcall*)(std::uint32_t, std::uint32_t);
    const auto join = reinterpret_cast<JoinRoutine>(GetCodeAddress(thunk));
    EXPECT_EQ(join(0x01234567, 0x89ABCDEF), 0x0123456789ABCDEFull);
    EXPECT_EQ(join(0xFFFFFFFF, 0), 0xFFFFFFFF00000000ull);
}

// A method that calls its own stub again: every call has its own frame.
struct Countdown;
struct CountdownMethods {
    void(__stdcall* Destroy)(ObjectRef<Countdown>);
    Countdown*(__stdcall* Copy)(ObjectRef<Countdown>);
    int(__stdcall* Sum)(ObjectRef<Countdown>, int from, int step);
};
struct Countdown {
    const CountdownMethods* methods;
    MethodThunk thunk;
    std::vector<int> entered;
    int Sum(int from, int step)
    {
        entered.push_back(from);
        if (from <= 0)
            return 0;
        using SumRoutine = int(__stdcall*)(int, int);
        const int rest = reinterpret_cast<SumRoutine>(GetCodeAddress(thunk))(from - step, step);
        return from + rest;  // `from` must still be this call's own argument
    }
};
const CountdownMethods kCountdownMethods = {nullptr, nullptr, &StdcallMethod<&Countdown::Sum>::Call};

TEST(AppMethodThunkReentry, AMethodCallingItsOwnStubGetsEveryResultBack)
{
    Countdown countdown{&kCountdownMethods, {}, {}};
    ASSERT_TRUE(countdown.thunk.Build(&countdown, 3, 2));
    using SumRoutine = int(__stdcall*)(int, int);
    EXPECT_EQ(reinterpret_cast<SumRoutine>(GetCodeAddress(countdown.thunk))(10, 2), 10 + 8 + 6 + 4 + 2);
    EXPECT_EQ(countdown.entered, (std::vector<int>{10, 8, 6, 4, 2, 0}));
}

}  // namespace
