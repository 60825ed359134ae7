#include "support/icon_checks.h"

#include <gtest/gtest.h>

namespace {

BITMAP BitmapOf(HBITMAP handle)
{
    BITMAP bitmap = {};
    GetObjectA(handle, sizeof bitmap, &bitmap);
    return bitmap;
}

} // namespace

void ExpectIconAndCursor(HICON icon, HCURSOR cursor)
{
    ICONINFO info = {};
    ASSERT_TRUE(icon && GetIconInfo(icon, &info));
    const BITMAP colour = BitmapOf(info.hbmColor);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_TRUE(info.fIcon);
    EXPECT_EQ(48, colour.bmWidth);
    EXPECT_EQ(48, colour.bmHeight);
    EXPECT_EQ(32, colour.bmBitsPixel);

    ICONINFO cursorInfo = {};
    ASSERT_TRUE(cursor && GetIconInfo(cursor, &cursorInfo));
    const BITMAP cursorBits = BitmapOf(cursorInfo.hbmColor ? cursorInfo.hbmColor : cursorInfo.hbmMask);
    DeleteObject(cursorInfo.hbmColor);
    DeleteObject(cursorInfo.hbmMask);
    EXPECT_FALSE(cursorInfo.fIcon);
    EXPECT_EQ(1u, cursorInfo.xHotspot);
    EXPECT_EQ(2u, cursorInfo.yHotspot);
    EXPECT_EQ(32, cursorBits.bmWidth);
}
