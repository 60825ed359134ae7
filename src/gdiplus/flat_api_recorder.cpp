#include "gdiplus/flat_api_recorder.h"

#include "gdiplus/text_conversion.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

constexpr int kEntryCount = static_cast<int>(FlatFunction::Count);

struct EntryInfo {
    const char* name;
    std::size_t offset;
};

const EntryInfo kEntries[] = {
#define GDIPLUS_FUNCTION_TYPED(name, type) {#name, offsetof(FlatApi, name)},
#include "gdiplus/flat_api_lists.inc"
};

const std::type_info* const kTypes[] = {
#define GDIPLUS_FUNCTION_TYPED(name, type) &typeid(type),
#include "gdiplus/flat_api_lists.inc"
};

// Per entry, while it records: the function the recording forwards to, and how many
// recorders watch it.
void* forwardTo[kEntryCount];
int watchers[kEntryCount];
std::vector<RecordCalls*> recorders;

void* ReadSlot(int entry)
{
    void* value = nullptr;
    std::memcpy(&value, reinterpret_cast<char*>(&Flat()) + kEntries[entry].offset, sizeof value);
    return value;
}

void WriteSlot(int entry, void* value)
{
    std::memcpy(reinterpret_cast<char*>(&Flat()) + kEntries[entry].offset, &value, sizeof value);
}

int FindEntry(const char* name)
{
    for (int i = 0; i < kEntryCount; ++i)
        if (std::strcmp(kEntries[i].name, name) == 0)
            return i;
    throw std::invalid_argument(std::string("no GDI+ function named ") + name + " in the table");
}

void Log(int entry, std::vector<std::string> args)
{
    RecordedCall call{kEntries[entry].name, std::move(args)};
    for (RecordCalls* recorder : recorders)
        recorder->Add(entry, call);
}

template <int Entry, class Pointer> struct RecordingEntry;
template <int Entry, class R, class... A> struct RecordingEntry<Entry, R(WINAPI*)(A...)> {
    static R WINAPI Call(A... arguments)
    {
        Log(Entry, {FormatArgument(arguments)...});
        return reinterpret_cast<R(WINAPI*)(A...)>(forwardTo[Entry])(arguments...);
    }
};

void* const kRecordingEntries[] = {
#define GDIPLUS_FUNCTION_TYPED(name, type) \
    reinterpret_cast<void*>(&RecordingEntry<static_cast<int>(FlatFunction::name), type>::Call),
#include "gdiplus/flat_api_lists.inc"
};

}  // namespace

std::string RecordedCall::ToString() const
{
    std::string text = name + "(";
    for (std::size_t i = 0; i < args.size(); ++i)
        text += (i == 0 ? "" : ", ") + args[i];
    return text + ")";
}

RecordCalls::RecordCalls(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        entries_.push_back(FindEntry(name));
    for (int entry : entries_) {
        if (watchers[entry]++ == 0) {
            forwardTo[entry] = ReadSlot(entry);
            WriteSlot(entry, kRecordingEntries[entry]);
        }
    }
    recorders.push_back(this);
}

RecordCalls::~RecordCalls()
{
    recorders.erase(std::remove(recorders.begin(), recorders.end(), this), recorders.end());
    for (int entry : entries_)
        if (--watchers[entry] == 0)
            WriteSlot(entry, forwardTo[entry]);
}

void RecordCalls::Add(int entry, RecordedCall call)
{
    if (std::find(entries_.begin(), entries_.end(), entry) != entries_.end())
        calls_.push_back(std::move(call));
}

std::vector<RecordedCall> RecordCalls::CallsOf(const std::string& name) const
{
    std::vector<RecordedCall> found;
    for (const RecordedCall& call : calls_)
        if (call.name == name)
            found.push_back(call);
    return found;
}

// While the entry records, the replacement goes behind the recording so both work together.
ReplaceCall::ReplaceCall(const char* name, void* replacement, const std::type_info& type)
    : entry_(FindEntry(name))
{
    if (type != *kTypes[entry_])
        throw std::invalid_argument(std::string("replacement for ") + name + " has the wrong type");
    if (watchers[entry_] > 0) {
        previous_ = forwardTo[entry_];
        forwardTo[entry_] = replacement;
    } else {
        previous_ = ReadSlot(entry_);
        WriteSlot(entry_, replacement);
    }
}

ReplaceCall::~ReplaceCall()
{
    if (watchers[entry_] > 0)
        forwardTo[entry_] = previous_;
    else
        WriteSlot(entry_, previous_);
}

std::string FormatPointer(const void* pointer)
{
    if (pointer == nullptr)
        return "null";
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(pointer)));
    return text;
}

std::string FormatFloat(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string FormatArgument(const Gdiplus::PointF& point)
{
    return "{" + FormatFloat(point.X) + ", " + FormatFloat(point.Y) + "}";
}

std::string FormatArgument(const Gdiplus::Point& point)
{
    return "{" + std::to_string(point.X) + ", " + std::to_string(point.Y) + "}";
}

std::string FormatArgument(const Gdiplus::RectF& rect)
{
    return "{" + FormatFloat(rect.X) + ", " + FormatFloat(rect.Y) + ", " + FormatFloat(rect.Width) + ", " +
           FormatFloat(rect.Height) + "}";
}

std::string FormatArgument(const Gdiplus::Rect& rect)
{
    return "{" + std::to_string(rect.X) + ", " + std::to_string(rect.Y) + ", " + std::to_string(rect.Width) +
           ", " + std::to_string(rect.Height) + "}";
}

std::string FormatArgument(const Gdiplus::GdiplusStartupInput* input)
{
    if (input == nullptr)
        return "null";
    return "{" + std::to_string(input->GdiplusVersion) + ", " +
           FormatPointer(reinterpret_cast<const void*>(input->DebugEventCallback)) + ", " +
           std::to_string(input->SuppressBackgroundThread) + ", " + std::to_string(input->SuppressExternalCodecs) +
           "}";
}

std::string FormatArgument(const WCHAR* text)
{
    if (text == nullptr)
        return "null";
    return "\"" + FromUtf16(text) + "\"";
}
