// The program's own icon and cursor resources are the embedded pictures: read from
// CacheCleaner.exe, which the build puts beside the test program.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "resources/embedded_pictures.h"
#include "resources/resource_ids.h"
#include "support/program_module.h"

namespace {

#pragma pack(push, 2)
struct GroupHeader {
    WORD reserved, type, count;
};
struct GroupEntry {  // one image of an icon or cursor group as resources store it
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The image data of the one image in an ICO or CUR file (what follows its 22-byte header).
std::string FileImage(const ByteBuffer& file)
{
    return std::string(reinterpret_cast<const char*>(file.data()) + 22, file.size() - 22);
}

struct GroupCase {
    const char* name;
    LPCSTR group;
    LPCSTR groupType;
    LPCSTR imageType;
    const ByteBuffer* file;
    std::string prefix;  // a cursor image starts with its hot spot
};

TEST(ResourcesProgramResources, IconGroupAndCursorHoldTheEmbeddedPictures)
{
    ProgramModule program;
    ASSERT_NE(nullptr, program.Handle());
    const GroupCase cases[] = {
        {"icon", "DEFAULT_ICON", RT_GROUP_ICON, RT_ICON, &AppIcon(), ""},
        {"cursor", MAKEINTRESOURCEA(IDC_APP_CURSOR), RT_GROUP_CURSOR, RT_CURSOR, &AppCursor(),
         std::string("\x01\x00\x02\x00", 4)},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string group = program.Resource(c.group, c.groupType);
        ASSERT_EQ(sizeof(GroupHeader) + sizeof(GroupEntry), group.size());
        GroupHeader header;
        GroupEntry entry;
        std::memcpy(&header, group.data(), sizeof header);
        std::memcpy(&entry, group.data() + sizeof header, sizeof entry);
        EXPECT_EQ(1, header.count);
        if (c.imageType == RT_ICON) {  // a cursor entry's fields are the resource compiler's to fill
            EXPECT_EQ(32, entry.bitCount);
        }
        const std::string image = program.Resource(MAKEINTRESOURCEA(entry.id), c.imageType);
        EXPECT_EQ(c.prefix + FileImage(*c.file), image);
    }
}

TEST(ResourcesProgramResources, WindowsLoadsTheProgramsIconAndCursor)
{
    ProgramModule program;
    ASSERT_NE(nullptr, program.Handle());
    HICON icon = static_cast<HICON>(LoadImageA(program.Handle(), "DEFAULT_ICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    EXPECT_NE(nullptr, icon);
    HCURSOR cursor = LoadCursorA(program.Handle(), MAKEINTRESOURCEA(IDC_APP_CURSOR));
    ASSERT_NE(nullptr, cursor);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_EQ(1u, info.xHotspot);
    EXPECT_EQ(2u, info.yHotspot);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (icon != nullptr)
        DestroyIcon(icon);
}

}  // namespace
