// The wizard's three pictures: the logo on every screen and the two ball
// pictures of the Axis Mapping screen. They are converted once when the
// dialog opens and drawn by the dialog into their picture controls.
#include "kcg_editor_dlg.h"
#include "picture_paint.h"
#include "resource.h"

namespace {

struct PictureSlot {
    int bitmapId;
    int controlId;
};

// In the order of m_Bitmaps.
constexpr PictureSlot kPictures[] = {
    {IDB_LOGO, IDC_LOGO},
    {IDB_BALL_VERTICAL, IDC_BALL_VERTICAL},
    {IDB_BALL_HORIZONTAL, IDC_BALL_HORIZONTAL},
};

// Where the picture stands in its control: centred, as the picture control
// itself places it, so that both drawings agree to the pixel.
POINT CentredOrigin(HWND control, int width, int height) {
    RECT client{};
    if (!control || !GetClientRect(control, &client)) return POINT{0, 0};
    return POINT{(client.right - width) / 2, (client.bottom - height) / 2};
}

} // namespace

void CKcgEditorDlg::LoadScreenBitmaps() {
    for (std::size_t i = 0; i < m_Bitmaps.size(); ++i) {
        ScreenBitmap &bitmap = m_Bitmaps[i];
        bitmap = ScreenBitmap();
        bitmap.resourceId = static_cast<std::uint16_t>(kPictures[i].bitmapId);
        const BitmapResource resource = FindBitmapResource(Instance(), kPictures[i].bitmapId);
        if (!ConvertBitmapResource(resource.data, resource.size, &bitmap, &m_PaletteSource)) continue;
        const POINT origin = CentredOrigin(Item(kPictures[i].controlId), bitmap.width, bitmap.height);
        bitmap.x = origin.x;
        bitmap.y = origin.y;
    }
}

void CKcgEditorDlg::CreateScreenPalette() {
    if (m_Palette) DeleteObject(m_Palette);
    HDC screen = GetDC(nullptr);
    m_Palette = CreatePicturePalette(m_PaletteSource, screen);
    if (screen) ReleaseDC(nullptr, screen);
}

bool CKcgEditorDlg::OnPaint() {
    if (IsIconic(hwnd())) {
        PaintMinimizedIcon();
        return true;
    }
    for (std::size_t i = 0; i < m_Bitmaps.size(); ++i)
        PaintScreenBitmap(m_Bitmaps[i], kPictures[i].controlId);
    return false; // the dialog's own painting follows
}

void CKcgEditorDlg::PaintMinimizedIcon() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    if (!dc) return;
    SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(hwnd(), &paint);
}

void CKcgEditorDlg::PaintScreenBitmap(const ScreenBitmap &bitmap, int controlId) {
    const HWND control = Item(controlId);
    if (!control || !bitmap.IsLoaded()) return;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(control, &paint);
    if (!dc) return;
    if (IsTrueColourDisplay(dc)) {
        DrawFromResource(dc, Instance(), bitmap);
    } else {
        DrawWithPalette(dc, bitmap, m_PaletteSource, m_Palette);
    }
    EndPaint(control, &paint);
}

void CKcgEditorDlg::ReleasePictures() {
    if (m_Palette) DeleteObject(m_Palette);
    m_Palette = nullptr;
    for (ScreenBitmap &bitmap : m_Bitmaps)
        bitmap.pixels.clear();
}
