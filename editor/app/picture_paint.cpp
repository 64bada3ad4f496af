#include "picture_paint.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kPaletteEntries = 256;
constexpr int kSystemColoursLow = 10;   // entries 0..9 belong to the system
constexpr int kSystemColoursHigh = 246; // and so do 246..255

// A device-independent description of the converted rows: the resource's
// header, turned top-down, with its colour table.
struct DibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[kPaletteEntries];
};

DibInfo MakeDibInfo(const ScreenBitmap &bitmap, const PaletteSource &colours) {
    DibInfo info;
    std::memcpy(&info.header, colours.data(), sizeof info.header);
    std::memcpy(info.colours, colours.data() + kBitmapHeaderSize, sizeof info.colours);
    info.header.biSize = sizeof info.header;
    info.header.biWidth = bitmap.width;
    info.header.biHeight = -bitmap.height; // top row first
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = 0;
    info.header.biClrUsed = kPaletteEntries;
    info.header.biClrImportant = 0;
    return info;
}

// The rows padded to 4 bytes, as device-independent rows must be. The kept
// rows are padded to 2, so widths that are not a multiple of 4 need a copy.
std::vector<std::uint8_t> DibRows(const ScreenBitmap &bitmap) {
    const std::size_t stride = (static_cast<std::size_t>(bitmap.width) + 3) & ~std::size_t{3};
    if (stride == static_cast<std::size_t>(bitmap.Stride())) return bitmap.pixels;
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(bitmap.height), 0);
    for (int row = 0; row < bitmap.height; ++row) {
        std::memcpy(&rows[stride * static_cast<std::size_t>(row)],
                    &bitmap.pixels[static_cast<std::size_t>(bitmap.Stride()) * static_cast<std::size_t>(row)],
                    static_cast<std::size_t>(bitmap.width));
    }
    return rows;
}

} // namespace

BitmapResource FindBitmapResource(HINSTANCE instance, int id) {
    BitmapResource found;
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!resource) return found;
    HGLOBAL loaded = LoadResource(instance, resource);
    const void *data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return found;
    found.data = static_cast<const std::uint8_t *>(data);
    found.size = SizeofResource(instance, resource);
    return found;
}

bool IsTrueColourDisplay(HDC dc) {
    return GetDeviceCaps(dc, NUMCOLORS) == -1;
}

HPALETTE CreatePicturePalette(const PaletteSource &colours, HDC screen) {
    struct {
        WORD version;
        WORD count;
        PALETTEENTRY entries[kPaletteEntries];
    } palette{};
    palette.version = 0x300;
    palette.count = kPaletteEntries;

    PALETTEENTRY system[kPaletteEntries]{};
    const UINT systemCount = screen ? GetSystemPaletteEntries(screen, 0, kPaletteEntries, system) : 0;
    for (int i = 0; i < kPaletteEntries; ++i) {
        const Rgb colour = ColourTableEntry(colours, i);
        const bool reservedBySystem = i < kSystemColoursLow || i >= kSystemColoursHigh;
        if (reservedBySystem && systemCount == kPaletteEntries) {
            palette.entries[i] = system[i];
            palette.entries[i].peFlags = 0;
        } else {
            palette.entries[i] = PALETTEENTRY{colour.red, colour.green, colour.blue,
                                              static_cast<BYTE>(reservedBySystem ? 0 : PC_RESERVED)};
        }
    }
    return CreatePalette(reinterpret_cast<LOGPALETTE *>(&palette));
}

void DrawFromResource(HDC dc, HINSTANCE instance, const ScreenBitmap &bitmap) {
    HBITMAP picture = LoadBitmapA(instance, MAKEINTRESOURCEA(bitmap.resourceId));
    if (!picture) return;
    HDC memory = CreateCompatibleDC(dc);
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, picture);
        BitBlt(dc, bitmap.x, bitmap.y, bitmap.width, bitmap.height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    DeleteObject(picture);
}

void DrawWithPalette(HDC dc, const ScreenBitmap &bitmap, const PaletteSource &colours, HPALETTE palette) {
    if (!bitmap.IsLoaded()) return;
    HPALETTE previousPalette = nullptr;
    if (palette) {
        UnrealizeObject(palette);
        previousPalette = SelectPalette(dc, palette, FALSE);
        RealizePalette(dc);
    }
    HBITMAP picture = CreateCompatibleBitmap(dc, bitmap.width, bitmap.height);
    HDC memory = picture ? CreateCompatibleDC(dc) : nullptr;
    if (memory) {
        const DibInfo info = MakeDibInfo(bitmap, colours);
        const std::vector<std::uint8_t> rows = DibRows(bitmap);
        HPALETTE memoryPalette = palette ? SelectPalette(memory, palette, FALSE) : nullptr;
        if (palette) RealizePalette(memory);
        SetDIBits(memory, picture, 0, static_cast<UINT>(bitmap.height), rows.data(),
                  reinterpret_cast<const BITMAPINFO *>(&info), DIB_RGB_COLORS);
        HGDIOBJ previous = SelectObject(memory, picture);
        BitBlt(dc, bitmap.x, bitmap.y, bitmap.width, bitmap.height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        if (memoryPalette) SelectPalette(memory, memoryPalette, FALSE);
        DeleteDC(memory);
    }
    if (picture) DeleteObject(picture);
    if (palette) SelectPalette(dc, previousPalette, FALSE);
}
