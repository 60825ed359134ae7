#pragma once
// The bytes of the embedded picture files. picture_bytes.cpp is written by
// tools/pictures/generate.py from the files in pictures/ and committed with them.
#include <cstddef>

struct PictureBytes {
    const unsigned char* data;
    std::size_t size;
};

namespace picture_bytes {
extern const PictureBytes kAppIcon;
extern const PictureBytes kAppCursor;
// Close, maximize, minimize; each as normal, hover, pressed.
extern const PictureBytes kTitleButtons[9];
extern const PictureBytes kFrameImage;
extern const PictureBytes kButtonStrip;
}  // namespace picture_bytes
