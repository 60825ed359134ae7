#pragma once
// The pictures the program carries inside itself, each a complete image file (ICO, CUR or PNG)
// held as a ByteBuffer. They are built once, on first use, and live until the program ends.
#include <array>

#include "common/byte_buffer.h"

// Numbered as the skin numbers its title-bar buttons and their looks.
enum class TitleButton { Close = 1, Maximize = 2, Minimize = 3 };
enum class TitleButtonState { Normal = 1, Hover = 2, Pressed = 3 };

// 48 x 48 ICO, one opaque 32-bit image: the window icon.
const ByteBuffer& AppIcon();
// 32 x 32 CUR, one 32-bit image with its hot spot at (1, 2): the main window's mouse pointer.
const ByteBuffer& AppCursor();
// PNG, close 39 x 20, maximize and minimize 28 x 20.
const ByteBuffer& TitleButtonImage(TitleButton button, TitleButtonState state);
// All nine: close, maximize, minimize, each as normal, hover, pressed.
const std::array<ByteBuffer, 9>& TitleButtonImages();
// 32 x 72 PNG: the window border's outline at x 8-23, y 8-63 inside a soft shadow.
const ByteBuffer& FrameImage();
// 71 x 28 PNG: the image button's four looks, 17 pixels wide at a pitch of 18.
const ByteBuffer& ButtonStrip();
