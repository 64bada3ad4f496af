// Drawing the editor's pictures into a device context, on displays with more
// than 256 colours (straight from the bitmap resource) and on palette
// displays (through the editor's logical palette).
#ifndef KCG_APP_PICTURE_PAINT_H
#define KCG_APP_PICTURE_PAINT_H

#include <windows.h>

#include "screen_bitmap.h"

// A loaded bitmap resource: its bytes stay valid as long as the module.
struct BitmapResource {
    const std::uint8_t *data = nullptr;
    std::size_t size = 0;
};
BitmapResource FindBitmapResource(HINSTANCE instance, int id);

// True when the display has more than 256 colours and needs no palette.
bool IsTrueColourDisplay(HDC dc);

// The logical palette of the pictures: entries 0-9 and 246-255 are the
// system palette's (the colours Windows reserves for itself; taken from the
// colour table when the display has no palette), entries 10-245 the colour
// table's, marked as reserved for this palette. Null if it cannot be made.
HPALETTE CreatePicturePalette(const PaletteSource &colours, HDC screen);

// Copies the bitmap resource itself to dc at the bitmap's origin.
void DrawFromResource(HDC dc, HINSTANCE instance, const ScreenBitmap &bitmap);

// Realizes palette in dc and copies the converted pixel rows to dc at the
// bitmap's origin, then restores dc's previous palette.
void DrawWithPalette(HDC dc, const ScreenBitmap &bitmap, const PaletteSource &colours, HPALETTE palette);

#endif // KCG_APP_PICTURE_PAINT_H
