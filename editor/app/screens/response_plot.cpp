#include "response_plot.h"

#include <cmath>

const char kNoResponseNote[] = "No motion in use";

namespace {

constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kDeadZone = RGB(208, 216, 232);
constexpr COLORREF kGrid = RGB(160, 160, 160);
constexpr COLORREF kAxes = RGB(112, 112, 112);
constexpr COLORREF kCurve = RGB(0, 0, 176);
constexpr int kCurveWidth = 2;
constexpr int kPad = 4;  // between the sunken edge and what is inside
constexpr int kTick = 3; // length of the marks below the plot

// A pen or brush selected into a device context for as long as it lives.
class Selected {
  public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), previous_(SelectObject(dc, object)) {}
    ~Selected() {
        SelectObject(dc_, previous_);
        DeleteObject(object_);
    }
    Selected(const Selected &) = delete;
    Selected &operator=(const Selected &) = delete;

  private:
    HDC dc_;
    HGDIOBJ object_, previous_;
};

void Text(HDC dc, const std::string &text, RECT box, UINT format) {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              format | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

int TextWidth(HDC dc, const char *text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    return size.cx;
}

// The plot's rectangle inside the control: room above for the axis name,
// left for the outputs, below for the positions and the two labels.
model::PlotRect PlotArea(HDC dc, const RECT &inside, int line) {
    model::PlotRect plot;
    plot.left = inside.left + TextWidth(dc, "-3") + kPad;
    plot.top = inside.top + line + line / 2;
    plot.right = inside.right - TextWidth(dc, "1") / 2;
    plot.bottom = inside.bottom - 3 * line - kTick;
    return plot;
}

void DrawDeadZone(HDC dc, const model::PlotRect &plot, const model::Response &response) {
    const int from = model::PlotPosition(plot, response.negMin, 0).x;
    const int to = model::PlotPosition(plot, response.posMin, 0).x;
    if (to <= from) return;
    const RECT zone{from, plot.top, to + 1, plot.bottom};
    HBRUSH shade = CreateSolidBrush(kDeadZone);
    FillRect(dc, &zone, shade);
    DeleteObject(shade);
}

// Lines at the outputs 1 and -1, the axes through 0, the frame, and the
// numbers beside and below them.
void DrawScale(HDC dc, const model::PlotRect &plot, int line) {
    const double top = model::ResponseOutputMax();
    {
        Selected grid(dc, CreatePen(PS_DOT, 1, kGrid));
        for (const double output : {1.0, -1.0}) {
            const int y = model::PlotPosition(plot, 0, output).y;
            Line(dc, plot.left, y, plot.right, y);
        }
    }
    const model::PlotPoint origin = model::PlotPosition(plot, 0, 0);
    {
        Selected axes(dc, CreatePen(PS_SOLID, 1, kAxes));
        Line(dc, plot.left, origin.y, plot.right, origin.y);
        Line(dc, origin.x, plot.top, origin.x, plot.bottom);
    }
    Selected frame(dc, CreatePen(PS_SOLID, 1, kText));
    const HGDIOBJ fill = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, plot.left, plot.top, plot.right, plot.bottom);
    SelectObject(dc, fill);

    for (const double output : {top, 1.0, 0.0, -1.0, -top}) {
        const int y = model::PlotPosition(plot, 0, output).y;
        Text(dc, std::to_string(static_cast<int>(std::lround(output))),
             RECT{0, y - line / 2, plot.left - kPad, y + line}, DT_RIGHT);
    }
    for (const int x : {-1, 0, 1}) {
        const int at = model::PlotPosition(plot, x, 0).x;
        Line(dc, at, plot.bottom, at, plot.bottom + kTick);
        Text(dc, std::to_string(x),
             RECT{at - 2 * line, plot.bottom + kTick, at + 2 * line, plot.bottom + kTick + line}, DT_CENTER);
    }
}

void DrawCurve(HDC dc, const model::PlotRect &plot, const model::Response &response) {
    const std::vector<model::PlotPoint> line = model::ResponsePolyline(response, plot);
    std::vector<POINT> points;
    for (const model::PlotPoint &p : line)
        points.push_back(POINT{p.x, p.y});
    Selected pen(dc, CreatePen(PS_SOLID, kCurveWidth, kCurve));
    Polyline(dc, points.data(), static_cast<int>(points.size()));
}

void Paint(HDC dc, RECT area, const ResponsePicture &picture) {
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kText);
    if (!picture.shown) {
        DrawTextA(dc, kNoResponseNote, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int line = metrics.tmHeight;
    const RECT inside{area.left + kPad, area.top + kPad, area.right - kPad, area.bottom - kPad};
    Text(dc, picture.axisName, RECT{inside.left, inside.top, inside.right, inside.top + line}, DT_CENTER);

    const model::PlotRect plot = PlotArea(dc, inside, line);
    DrawDeadZone(dc, plot, picture.response);
    DrawScale(dc, plot, line);
    DrawCurve(dc, plot, picture.response);

    // The labels of the two ends of the axis, one under each end.
    const int labels = plot.bottom + kTick + line;
    Text(dc, picture.negativeLabel, RECT{inside.left, labels, inside.right, labels + line}, DT_LEFT);
    Text(dc, picture.positiveLabel, RECT{inside.left, labels + line, inside.right, labels + 2 * line},
         DT_RIGHT);
}

} // namespace

void DrawResponsePlot(const DRAWITEMSTRUCT &item, const ResponsePicture &picture) {
    const int width = item.rcItem.right - item.rcItem.left, height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0) return;
    HDC memory = CreateCompatibleDC(item.hDC);
    HBITMAP bitmap = memory ? CreateCompatibleBitmap(item.hDC, width, height) : nullptr;
    if (bitmap) {
        const HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
        const auto font = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
        const HGDIOBJ previousFont = font ? SelectObject(memory, font) : nullptr;
        Paint(memory, RECT{0, 0, width, height}, picture);
        BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, memory, 0, 0, SRCCOPY);
        if (previousFont) SelectObject(memory, previousFont);
        SelectObject(memory, previousBitmap);
        DeleteObject(bitmap);
    }
    if (memory) DeleteDC(memory);
}
