// The pictures as the main dialog converts and draws them: the converted rows
// drawn through the editor's palette must give what the system itself draws
// from the bitmap resource, and damaged bitmaps are refused.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "picture_paint.h"
#include "resource.h"
#include "screen_bitmap.h"

namespace {

// A 24-bit drawing surface whose pixels the test can read.
class Canvas {
  public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    HDC dc() const { return dc_; }
    // The pixel as red, green, blue.
    Rgb At(int x, int y) const {
        GdiFlush();
        const int stride = (width_ * 3 + 3) & ~3;
        const auto *p = static_cast<const std::uint8_t *>(bits_) + y * stride + x * 3;
        return Rgb{p[2], p[1], p[0]};
    }
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    void *bits_ = nullptr;
    HGDIOBJ previous_;
};

bool operator==(const Rgb &a, const Rgb &b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// A bitmap resource made by hand: 8 bits, colour i = (i, 255 - i, i / 2).
std::vector<std::uint8_t> MakeBitmap(int width, int height, const std::vector<std::uint8_t> &rows,
                                     bool topDown) {
    std::vector<std::uint8_t> data(kBitmapHeaderSize + kColourTableSize, 0);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = topDown ? -height : height;
    header.biPlanes = 1;
    header.biBitCount = 8;
    std::memcpy(data.data(), &header, sizeof header);
    for (int i = 0; i < 256; ++i) {
        data[kBitmapHeaderSize + 4 * i] = static_cast<std::uint8_t>(i / 2);
        data[kBitmapHeaderSize + 4 * i + 1] = static_cast<std::uint8_t>(255 - i);
        data[kBitmapHeaderSize + 4 * i + 2] = static_cast<std::uint8_t>(i);
    }
    data.insert(data.end(), rows.begin(), rows.end());
    return data;
}

TEST(Pictures, ConvertedRowsDrawnThroughThePaletteMatchTheResource) {
    const HINSTANCE program = GetModuleHandleA(nullptr);
    for (const int id : {IDB_LOGO, IDB_BALL_VERTICAL, IDB_BALL_HORIZONTAL, IDB_SPLASH}) {
        SCOPED_TRACE(id);
        const BitmapResource resource = FindBitmapResource(program, id);
        ScreenBitmap bitmap;
        bitmap.resourceId = static_cast<std::uint16_t>(id);
        PaletteSource colours{};
        ASSERT_TRUE(ConvertBitmapResource(resource.data, resource.size, &bitmap, &colours));

        HPALETTE palette = CreatePicturePalette(colours, nullptr);
        ASSERT_NE(palette, nullptr);
        Canvas ours(bitmap.width, bitmap.height), system(bitmap.width, bitmap.height);
        DrawWithPalette(ours.dc(), bitmap, colours, palette);
        DrawFromResource(system.dc(), program, bitmap);
        int differing = 0;
        for (int y = 0; y < bitmap.height; ++y) {
            for (int x = 0; x < bitmap.width; ++x) {
                if (!(ours.At(x, y) == system.At(x, y))) ++differing;
                // And each is the colour-table entry of the converted pixel.
                if (x % 37 == 0 && y % 23 == 0) {
                    EXPECT_TRUE(ours.At(x, y) == ColourTableEntry(colours, bitmap.At(x, y))) << x << "," << y;
                }
            }
        }
        EXPECT_EQ(differing, 0);
        DeleteObject(palette);
    }
}

TEST(Pictures, RowsComeTopFirstWhateverTheStoredOrderAndAnyWidth) {
    // 3 pixels wide: stored rows are padded to 4 bytes, kept rows to 2.
    const std::vector<std::uint8_t> bottomUp = {4, 5, 6, 0, 1, 2, 3, 0}; // bottom row first
    const std::vector<std::uint8_t> topDown = {1, 2, 3, 0, 4, 5, 6, 0};
    for (const bool top : {false, true}) {
        SCOPED_TRACE(top ? "stored top-down" : "stored bottom-up");
        const std::vector<std::uint8_t> data = MakeBitmap(3, 2, top ? topDown : bottomUp, top);
        ScreenBitmap bitmap;
        PaletteSource colours{};
        ASSERT_TRUE(ConvertBitmapResource(data.data(), data.size(), &bitmap, &colours));
        EXPECT_EQ(bitmap.width, 3);
        EXPECT_EQ(bitmap.height, 2);
        EXPECT_EQ(bitmap.Stride(), 4);
        EXPECT_EQ(bitmap.pixels, (std::vector<std::uint8_t>{1, 2, 3, 0, 4, 5, 6, 0}));

        // Drawn at its origin with the colours of its table.
        bitmap.x = 1;
        bitmap.y = 1;
        Canvas canvas(5, 4);
        DrawWithPalette(canvas.dc(), bitmap, colours, nullptr);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                const int index = 1 + x + 3 * y;
                EXPECT_TRUE(canvas.At(1 + x, 1 + y) ==
                            (Rgb{static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(255 - index),
                                 static_cast<std::uint8_t>(index / 2)}))
                    << x << "," << y;
            }
        }
    }
}

TEST(Pictures, DamagedBitmapsAreRefusedAndChangeNothing) {
    const std::vector<std::uint8_t> good = MakeBitmap(3, 2, {1, 2, 3, 0, 4, 5, 6, 0}, false);
    auto patched = [&](std::size_t at, std::int32_t value) {
        std::vector<std::uint8_t> data = good;
        std::memcpy(&data[at], &value, sizeof value);
        return data;
    };
    const struct {
        const char *what;
        std::vector<std::uint8_t> data;
    } cases[] = {
        {"shorter than its colour table", std::vector<std::uint8_t>(good.begin(), good.begin() + 1000)},
        {"rows missing", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
        {"4 bits a pixel", patched(14, 4)},
        {"compressed", patched(16, 1 /* BI_RLE8 */)},
        {"16 colours", patched(32, 16)},
        {"no width", patched(4, 0)},
        {"no height", patched(8, 0)},
        {"absurd height", patched(8, 0x7FFFFFFF)},
        {"other header", patched(0, 108)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ScreenBitmap bitmap;
        bitmap.pixels = {9};
        PaletteSource colours{};
        colours[0] = 7;
        EXPECT_FALSE(ConvertBitmapResource(c.data.data(), c.data.size(), &bitmap, &colours));
        EXPECT_EQ(bitmap.pixels, std::vector<std::uint8_t>{9});
        EXPECT_EQ(colours[0], 7);
    }
    ScreenBitmap bitmap;
    PaletteSource colours{};
    EXPECT_FALSE(ConvertBitmapResource(nullptr, 0, &bitmap, &colours));
}

TEST(Pictures, PaletteTakesTheSharedColourTableBetweenTheSystemColours) {
    const std::vector<std::uint8_t> data = MakeBitmap(2, 1, {0, 0, 0, 0}, false);
    ScreenBitmap bitmap;
    PaletteSource colours{};
    ASSERT_TRUE(ConvertBitmapResource(data.data(), data.size(), &bitmap, &colours));
    HPALETTE palette = CreatePicturePalette(colours, nullptr);
    ASSERT_NE(palette, nullptr);
    PALETTEENTRY entries[256] = {};
    ASSERT_EQ(GetPaletteEntries(palette, 0, 256, entries), 256u);
    for (int i = 0; i < 256; ++i) {
        const Rgb colour = ColourTableEntry(colours, i);
        EXPECT_EQ(entries[i].peRed, colour.red) << i;
        EXPECT_EQ(entries[i].peGreen, colour.green) << i;
        EXPECT_EQ(entries[i].peBlue, colour.blue) << i;
        const bool ours = i >= 10 && i < 246;
        EXPECT_EQ(entries[i].peFlags, ours ? PC_RESERVED : 0) << i;
    }
    DeleteObject(palette);
}

} // namespace
