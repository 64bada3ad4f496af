// The editor's pictures as the main dialog keeps them: 8-bit pixel rows
// ready to be drawn, plus the colour table they share.
//
// A bitmap resource is a device-independent bitmap: a 40-byte header, the
// colour table, then the rows from the bottom up, each padded to a multiple
// of 4 bytes. The dialog keeps the rows from the top down, each padded only
// to an even number of bytes, converted once when it opens.
#ifndef KCG_APP_SCREEN_BITMAP_H
#define KCG_APP_SCREEN_BITMAP_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The header and the 256-entry colour table of an 8-bit bitmap.
constexpr std::size_t kBitmapHeaderSize = 40;
constexpr std::size_t kColourTableSize = 256 * 4;
using PaletteSource = std::array<std::uint8_t, kBitmapHeaderSize + kColourTableSize>;

// Pictures larger than this in either direction are refused as damaged.
constexpr int kMaxBitmapSide = 4096;

struct ScreenBitmap {
    std::vector<std::uint8_t> pixels; // top row first, Stride() bytes a row
    std::uint16_t resourceId = 0;
    int x = 0, y = 0; // where it is drawn inside its control
    int width = 0, height = 0;

    int Stride() const { return (width + 1) & ~1; }
    bool IsLoaded() const { return width > 0 && height > 0 && !pixels.empty(); }
    // The colour-table index of a pixel (no range check beyond IsLoaded's).
    std::uint8_t At(int column, int row) const {
        return pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(Stride()) +
                      static_cast<std::size_t>(column)];
    }
};

// Converts a bitmap resource of size bytes into *bitmap and copies its header
// and colour table into *palette. Only 8-bit uncompressed bitmaps with a full
// 256-entry colour table are taken; anything else, or data too short for the
// rows its header announces, leaves both untouched and gives false.
bool ConvertBitmapResource(const std::uint8_t *data, std::size_t size, ScreenBitmap *bitmap,
                           PaletteSource *palette);

// The red, green and blue of colour-table entry index.
struct Rgb {
    std::uint8_t red, green, blue;
};
Rgb ColourTableEntry(const PaletteSource &palette, int index);

#endif // KCG_APP_SCREEN_BITMAP_H
