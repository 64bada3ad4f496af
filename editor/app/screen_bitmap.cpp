#include "screen_bitmap.h"

#include <cstring>
#include <utility>

namespace {

std::uint32_t ReadU32(const std::uint8_t *p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t ReadS32(const std::uint8_t *p) {
    return static_cast<std::int32_t>(ReadU32(p));
}

std::uint16_t ReadU16(const std::uint8_t *p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

} // namespace

bool ConvertBitmapResource(const std::uint8_t *data, std::size_t size, ScreenBitmap *bitmap,
                           PaletteSource *palette) {
    if (!data || !bitmap || !palette || size < kBitmapHeaderSize + kColourTableSize) return false;
    const std::uint32_t headerSize = ReadU32(data);
    const std::int32_t width = ReadS32(data + 4);
    const std::int32_t height = ReadS32(data + 8);
    const std::uint16_t bitCount = ReadU16(data + 14);
    const std::uint32_t compression = ReadU32(data + 16);
    const std::uint32_t coloursUsed = ReadU32(data + 32);
    if (headerSize != kBitmapHeaderSize || bitCount != 8 || compression != 0) return false;
    if (coloursUsed != 0 && coloursUsed != 256) return false;
    // A negative height marks rows stored from the top down.
    const bool bottomUp = height > 0;
    const std::int32_t rows = bottomUp ? height : -height;
    if (width <= 0 || width > kMaxBitmapSide || rows <= 0 || rows > kMaxBitmapSide) return false;

    const std::size_t sourceStride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    const std::size_t offset = kBitmapHeaderSize + kColourTableSize;
    if ((size - offset) / sourceStride < static_cast<std::size_t>(rows)) return false;

    ScreenBitmap converted;
    converted.resourceId = bitmap->resourceId;
    converted.x = bitmap->x;
    converted.y = bitmap->y;
    converted.width = width;
    converted.height = rows;
    const std::size_t stride = static_cast<std::size_t>(converted.Stride());
    converted.pixels.assign(stride * static_cast<std::size_t>(rows), 0);
    for (std::int32_t row = 0; row < rows; ++row) {
        const std::int32_t sourceRow = bottomUp ? rows - 1 - row : row;
        std::memcpy(&converted.pixels[stride * static_cast<std::size_t>(row)],
                    data + offset + sourceStride * static_cast<std::size_t>(sourceRow),
                    static_cast<std::size_t>(width));
    }
    std::memcpy(palette->data(), data, palette->size());
    *bitmap = std::move(converted);
    return true;
}

Rgb ColourTableEntry(const PaletteSource &palette, int index) {
    // Each entry is stored blue, green, red, reserved.
    const std::size_t at = kBitmapHeaderSize + 4 * static_cast<std::size_t>(index & 0xFF);
    return Rgb{palette[at + 2], palette[at + 1], palette[at]};
}
