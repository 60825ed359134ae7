#pragma once
// The shape of the objects whose methods generated code (MethodThunk) calls.
//
// Such an object is a plain record whose first word is its method table: a struct of __stdcall
// routine addresses in a fixed slot order (slot 0 the destructor, slot 1 the member-wise copy,
// the operations from slot 2 on). A thunk finds its method by position in that table, so the
// order of the table's fields is the contract. Every method receives first a reference to its
// object, the address of a cell holding the object's address, then its own arguments:
//
//     struct Counter;
//     struct CounterMethods {
//         void (__stdcall* Destroy)(ObjectRef<Counter>);        // slot 0
//         Counter* (__stdcall* Copy)(ObjectRef<Counter>);       // slot 1
//         int (__stdcall* Add)(ObjectRef<Counter>, int amount); // slot 2, method position 3
//     };
//     struct Counter {
//         const CounterMethods* methods;                       // first word
//         int total;
//         int Add(int amount) { return CallMethod(*this, &CounterMethods::Add, amount); }
//     };
//     static_assert(MethodSlot(offsetof(CounterMethods, Add)) == 2);
//
// A table entry can be written by hand or produced from a member function with
// StdcallMethod<&Counter::AddImpl>::Call.
#include <cstddef>
#include <cstdint>
#include <utility>

template <class T> using ObjectRef = T**;

// Slot number of a method table field, from its offsetof.
constexpr std::size_t MethodSlot(std::size_t fieldOffset) { return fieldOffset / sizeof(void*); }

// Calls a method through the object's own table the way generated code does: the cell that holds
// the object's address lives on this caller's stack for the duration of the call.
template <class T, class Slot, class... Args>
decltype(auto) CallMethod(T& object, Slot slot, Args&&... args)
{
    T* cell = &object;
    return (object.methods->*slot)(&cell, std::forward<Args>(args)...);
}

// The routine address at a 1-based position of an object's method table (position N is slot
// N - 1); 0 for a null object or a position below 1.
inline std::uintptr_t MethodAddressAt(const void* object, std::int32_t position)
{
    if (object == nullptr || position < 1)
        return 0;
    const auto* table = *static_cast<const std::uintptr_t* const*>(object);
    return table[position - 1];
}

// A method table entry that forwards to a member function of the object behind the reference.
template <auto Member> struct StdcallMethod;

template <class T, class R, class... Args, R (T::*Member)(Args...)>
struct StdcallMethod<Member> {
    static R __stdcall Call(ObjectRef<T> self, Args... args) { return ((*self)->*Member)(args...); }
};

template <class T, class R, class... Args, R (T::*Member)(Args...) const>
struct StdcallMethod<Member> {
    static R __stdcall Call(ObjectRef<T> self, Args... args) { return ((*self)->*Member)(args...); }
};
