"""Reading and writing the picture file formats the program embeds.

Pixels are rows of (r, g, b, a) tuples of 0-255 integers, top row first. Only what the program
needs is supported: 8-bit RGBA non-interlaced PNG, and ICO/CUR files holding one 32-bit image
(BGRA pixels plus a 1-bit AND mask, rows bottom-up).
"""
import struct
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
ICON_TYPE = 1
CURSOR_TYPE = 2


def _png_chunk(kind, payload):
    return (struct.pack(">I", len(payload)) + kind + payload
            + struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF))


def encode_png(rows):
    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type None: the pictures are tiny, simplicity wins
        for pixel in row:
            raw.extend(pixel)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA, not interlaced
    return (PNG_SIGNATURE + _png_chunk(b"IHDR", header)
            + _png_chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + _png_chunk(b"IEND", b""))


def _unfilter(kind, line, previous, bpp):
    out = bytearray(line)
    for i in range(len(out)):
        left = out[i - bpp] if i >= bpp else 0
        up = previous[i]
        upper_left = previous[i - bpp] if i >= bpp else 0
        if kind == 1:
            predictor = left
        elif kind == 2:
            predictor = up
        elif kind == 3:
            predictor = (left + up) // 2
        elif kind == 4:
            p = left + up - upper_left
            pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
            predictor = left if pa <= pb and pa <= pc else (up if pb <= pc else upper_left)
        else:
            predictor = 0
        out[i] = (out[i] + predictor) & 0xFF
    return out


def decode_png(data):
    if data[:8] != PNG_SIGNATURE:
        raise ValueError("not a PNG file")
    pos, idat, header = 8, bytearray(), None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        payload = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", payload)
        elif kind == b"IDAT":
            idat.extend(payload)
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        raise ValueError("only 8-bit RGBA non-interlaced PNG files are read")
    raw, stride, rows = zlib.decompress(bytes(idat)), width * 4, []
    previous = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        line = _unfilter(raw[start], raw[start + 1:start + 1 + stride], previous, 4)
        rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
        previous = line
    return rows


def _mask_stride(width):
    return ((width + 31) // 32) * 4


def encode_icon_file(rows, kind, hot_spot=(0, 0)):
    """One 32-bit image in an ICO (kind ICON_TYPE) or CUR (kind CURSOR_TYPE) file.

    The AND mask marks the fully transparent pixels, so that systems ignoring the alpha
    channel still show the right outline."""
    height, width = len(rows), len(rows[0])
    pixels, mask = bytearray(), bytearray()
    for row in reversed(rows):
        bits = bytearray(_mask_stride(width))
        for x, (r, g, b, a) in enumerate(row):
            pixels.extend((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask.extend(bits)
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0,
                       len(pixels) + len(mask), 0, 0, 0, 0)
    image = info + bytes(pixels) + bytes(mask)
    if kind == ICON_TYPE:
        planes_or_x, bits_or_y = 1, 32
    else:
        planes_or_x, bits_or_y = hot_spot
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, planes_or_x, bits_or_y,
                        len(image), 6 + 16)
    return directory + entry + image


def decode_icon_file(data):
    """Returns (kind, rows, hot spot or None) of the first image of an ICO or CUR file."""
    _, kind, count = struct.unpack("<HHH", data[:6])
    if kind not in (ICON_TYPE, CURSOR_TYPE) or count < 1:
        raise ValueError("not an icon or cursor file")
    _, _, _, _, field_x, field_y, _, offset = struct.unpack("<BBBBHHII", data[6:22])
    size, width, double_height, _, bit_count = struct.unpack("<IiiHH", data[offset:offset + 16])
    if bit_count != 32:
        raise ValueError("only 32-bit images are read")
    height = double_height // 2
    pixels = data[offset + size:offset + size + width * height * 4]
    rows = []
    for y in range(height):
        start = (height - 1 - y) * width * 4
        rows.append([(pixels[start + x * 4 + 2], pixels[start + x * 4 + 1],
                      pixels[start + x * 4], pixels[start + x * 4 + 3]) for x in range(width)])
    return kind, rows, ((field_x, field_y) if kind == CURSOR_TYPE else None)


def decode_picture(data):
    """Rows of RGBA pixels of any file the generator writes."""
    if data[:8] == PNG_SIGNATURE:
        return decode_png(data)
    return decode_icon_file(data)[1]
