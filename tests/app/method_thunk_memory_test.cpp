// Where a MethodThunk keeps its code and when it gives the memory back.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>

#include "app/method_thunk.h"
#include "app/object_record.h"

namespace {

struct Counter;
struct CounterMethods {
    void(__stdcall* Destroy)(ObjectRef<Counter>);
    Counter*(__stdcall* Copy)(ObjectRef<Counter>);
    int(__stdcall* Add)(ObjectRef<Counter>, int);
};
struct Counter {
    const CounterMethods* methods;
    int total;
    int AddAmount(int amount) { return total += amount; }
};
const CounterMethods kCounterMethods = {nullptr, nullptr, &StdcallMethod<&Counter::AddAmount>::Call};

using AddRoutine = int(__stdcall*)(int);
AddRoutine AsAddRoutine(const MethodThunk& thunk) { return reinterpret_cast<AddRoutine>(GetCodeAddress(thunk)); }

MEMORY_BASIC_INFORMATION Query(std::uintptr_t address)
{
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(reinterpret_cast<const void*>(address), &info, sizeof info);
    return info;
}
bool IsReleased(std::uintptr_t address) { return Query(address).State == MEM_FREE; }

class AppMethodThunkMemory : public testing::Test {
protected:
    Counter counter{&kCounterMethods, 0};
};

TEST_F(AppMethodThunkMemory, CodeLiesInExecuteReadOnlyPagesAfterItsRecordHeader)
{
    MethodThunk thunk;
    ASSERT_TRUE(thunk.Build(&counter, 3, 1));
    const std::uintptr_t entry = GetCodeAddress(thunk);
    ASSERT_NE(entry, 0u);

    const MEMORY_BASIC_INFORMATION info = Query(entry);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_COMMIT));
    EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_EXECUTE_READ)) << "never writable and executable";

    std::uint32_t header[2];
    std::memcpy(header, reinterpret_cast<const void*>(entry - 8), sizeof header);
    EXPECT_EQ(header[0], 1u);
    EXPECT_EQ(header[1], 76u);
    EXPECT_EQ(thunk.Code(), BuildMethodThunk(&counter, 3, 1));

    EXPECT_EQ(AsAddRoutine(thunk)(5), 5);
    EXPECT_EQ(AsAddRoutine(thunk)(7), 12);
    EXPECT_EQ(counter.total, 12);
}

TEST_F(AppMethodThunkMemory, CodeIsReleasedWithItsOwnerAndOnRelease)
{
    std::uintptr_t entry = 0;
    {
        MethodThunk thunk;
        ASSERT_TRUE(thunk.Build(&counter, 3, 1));
        entry = GetCodeAddress(thunk);
    }
    EXPECT_TRUE(IsReleased(entry));

    MethodThunk thunk;
    ASSERT_TRUE(thunk.Build(&counter, 3, 1));
    entry = GetCodeAddress(thunk);
    thunk.Release();
    EXPECT_TRUE(IsReleased(entry));
    EXPECT_EQ(GetCodeAddress(thunk), 0u);
}

TEST_F(AppMethodThunkMemory, RebuildReleasesTheStubHeldBefore)
{
    MethodThunk thunk;
    ASSERT_TRUE(thunk.Build(&counter, 3, 1));
    const std::uintptr_t old = GetCodeAddress(thunk);
    ASSERT_TRUE(thunk.Build(&counter, 3, 1, false, true));
    // The same address can only come back if the old pages were given up first.
    EXPECT_TRUE(GetCodeAddress(thunk) == old || IsReleased(old));
    EXPECT_EQ(thunk.Code(), BuildMethodThunk(&counter, 3, 1, false, true));
}

TEST_F(AppMethodThunkMemory, AStubWithoutCodeIsNeverHandedOut)
{
    MethodThunk never;
    EXPECT_EQ(GetCodeAddress(never), 0u);

    MethodThunk thunk;
    ASSERT_TRUE(thunk.Build(&counter, 3, 1));
    const std::uintptr_t old = GetCodeAddress(thunk);
    for (int position : {1, 2}) {  // destructor and copy slots are empty in this table
        EXPECT_FALSE(thunk.Build(&counter, position, 1));
        EXPECT_TRUE(thunk.empty());
        EXPECT_EQ(GetCodeAddress(thunk), 0u);
    }
    EXPECT_FALSE(thunk.Build(&counter, 3, 257));
    EXPECT_EQ(GetCodeAddress(thunk), 0u);
    EXPECT_TRUE(IsReleased(old));
}

TEST_F(AppMethodThunkMemory, ACopyHasItsOwnCodeCallingTheSameObjectAndAMoveKeepsTheCode)
{
    MethodThunk original;
    ASSERT_TRUE(original.Build(&counter, 3, 1));
    MethodThunk copy(original);
    ASSERT_NE(GetCodeAddress(copy), 0u);
    EXPECT_NE(GetCodeAddress(copy), GetCodeAddress(original));
    EXPECT_EQ(copy.Code(), original.Code());
    EXPECT_EQ(Query(GetCodeAddress(copy)).Protect, static_cast<DWORD>(PAGE_EXECUTE_READ));
    EXPECT_EQ(AsAddRoutine(copy)(3), 3);
    EXPECT_EQ(counter.total, 3);

    const std::uintptr_t entry = GetCodeAddress(original);
    MethodThunk moved(std::move(original));
    EXPECT_EQ(GetCodeAddress(moved), entry);
    EXPECT_EQ(GetCodeAddress(original), 0u);

    const std::uintptr_t copyEntry = GetCodeAddress(copy);
    copy = moved;  // copy assignment gives up the pages held before
    EXPECT_TRUE(GetCodeAddress(copy) == copyEntry || IsReleased(copyEntry));
    EXPECT_EQ(AsAddRoutine(copy)(4), 7);
}

}  // namespace
