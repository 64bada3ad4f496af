// The pictures as the main dialog converts and draws them: drawn through the
// editor's palette they must give what the system itself draws from the
// bitmap resources, and damaged bitmaps are refused.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "picture_paint.h"
#include "resource.h"
#include "screen_bitmap.h"

namespace {

// The 24-bit pixels of whatever draw() puts into a width x height memory picture.
template <class Draw> std::vector<std::uint8_t> Drawn(int width, int height, Draw draw) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP picture = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, picture);
    draw(dc);
    GdiFlush();
    const auto *begin = static_cast<const std::uint8_t *>(bits);
    std::vector<std::uint8_t> pixels(begin, begin + ((width * 3 + 3) & ~3) * height);
    SelectObject(dc, previous);
    DeleteObject(picture);
    DeleteDC(dc);
    return pixels;
}

TEST(Pictures, DrawnThroughThePaletteAsTheSystemDrawsTheResource) {
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
        const auto ours = Drawn(bitmap.width, bitmap.height,
                                [&](HDC dc) { DrawWithPalette(dc, bitmap, colours, palette); });
        const auto system =
            Drawn(bitmap.width, bitmap.height, [&](HDC dc) { DrawFromResource(dc, program, bitmap); });
        EXPECT_TRUE(ours == system);
        DeleteObject(palette);
    }
}

TEST(Pictures, OddWidthsAndTopDownRowsAndDamagedBitmaps) {
    // 3 x 2 pixels, rows stored bottom up and padded to 4 bytes.
    std::vector<std::uint8_t> good(kBitmapHeaderSize + kColourTableSize, 0);
    const BITMAPINFOHEADER header{sizeof header, 3, 2, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(good.data(), &header, sizeof header);
    good.insert(good.end(), {4, 5, 6, 0, 1, 2, 3, 0});
    ScreenBitmap bitmap;
    PaletteSource colours{};
    ASSERT_TRUE(ConvertBitmapResource(good.data(), good.size(), &bitmap, &colours));
    EXPECT_EQ(bitmap.pixels, (std::vector<std::uint8_t>{1, 2, 3, 0, 4, 5, 6, 0})); // top first, rows of 4
    std::vector<std::uint8_t> topDown = good;
    const std::int32_t up = -2;
    std::memcpy(&topDown[8], &up, 4);
    ASSERT_TRUE(ConvertBitmapResource(topDown.data(), topDown.size(), &bitmap, &colours));
    EXPECT_EQ(bitmap.pixels, (std::vector<std::uint8_t>{4, 5, 6, 0, 1, 2, 3, 0}));

    auto patched = [&](std::size_t at, std::int32_t value) {
        std::vector<std::uint8_t> data = good;
        std::memcpy(&data[at], &value, sizeof value);
        return data;
    };
    const std::vector<std::uint8_t> damaged[] = {
        std::vector<std::uint8_t>(good.begin(), good.begin() + 1000), // no whole colour table
        std::vector<std::uint8_t>(good.begin(), good.end() - 1),      // a row short
        patched(14, 4),                                               // 4 bits a pixel
        patched(16, BI_RLE8),                                         // compressed
        patched(32, 16),                                              // 16 colours
        patched(4, 0),                                                // no width
        patched(8, 0x7FFFFFFF),                                       // absurd height
        patched(0, 108),                                              // another header
    };
    for (const std::vector<std::uint8_t> &data : damaged) {
        bitmap.pixels = {9};
        EXPECT_FALSE(ConvertBitmapResource(data.data(), data.size(), &bitmap, &colours));
        EXPECT_EQ(bitmap.pixels, std::vector<std::uint8_t>{9});
    }
}

} // namespace
