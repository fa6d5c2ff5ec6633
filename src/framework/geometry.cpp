#include "framework/geometry.h"

#include <algorithm>
#include <cmath>

namespace tmcalc {
namespace {

FontSize ThirdFont(double w, double divisor)
{
    const float s = -static_cast<float>(w / divisor);
    return {Trunc(s / 3.0), Trunc(s / 6.0)};
}

FieldRects Field(int labelX, int labelW, int editX, int editW, int unitX, int unitW, int y, int h)
{
    return {{labelX, y, labelW, h}, {editX, y, editW, h}, {unitX, y, unitW, h}};
}

// The row height of the column and grid builders, from the main window height.
int RowHeight(const ScreenGeometry& g) { return Trunc(g.H * 45.0 / 813.0); }

}  // namespace

ScreenGeometry ComputeScreenGeometry(int screenWidth, int screenHeight)
{
    ScreenGeometry g;
    g.screenWidth = screenWidth;
    g.screenHeight = screenHeight;
    // volatile: GCC 12 at -O2 vectorises the two products and loses the single-precision rounding.
    volatile float scaleX = static_cast<float>(screenWidth / 1920.0);
    volatile float scaleY = static_cast<float>(screenHeight / 1080.0);
    g.W = static_cast<double>(scaleX) * 1300.0;
    g.H = static_cast<double>(scaleY) * 831.0;
    g.X = (screenWidth - g.W) * 0.5;
    g.Y = (screenHeight - g.H) * 0.5;
    g.navigationFont = ThirdFont(g.W, 30.0);
    g.secondFont = ThirdFont(g.W, 28.0);
    g.labelFont = ThirdFont(g.W, 26.0);
    const float s = -static_cast<float>(g.W / 24.0);
    g.editFont = {Trunc(s * 0.5), Trunc(s / 5.0)};
    return g;
}

int ScaledPixels(const ScreenGeometry& g, double designPixels)
{
    // The small epsilon keeps 1366 / 1920 in single precision from losing a pixel to its last bit.
    return std::max(1, Trunc(designPixels * TextScale(g) + 1e-6));
}

int LegibleFloorPixels(const ScreenGeometry& g)
{
    return std::max(9, ScaledPixels(g, 12.0));
}

Rect PageRect(const ScreenGeometry& g)
{
    const double n = g.W * 0.15615384615384614;  // navigation column width, W x 203 / 1300
    const int clientWidth = Trunc(g.W);
    const int x = Trunc(n + n / 10.0);
    const int y = Trunc(clientWidth * 100.0 / 1300.0 + n / 10.0);
    const int width = Trunc(g.W * 1302.0 / 1920.0 + g.W / 7.5);
    const int height = Trunc(g.H - y - g.H / 4.8);
    return {x, y, width, height};
}

std::vector<FieldRects> FieldColumnLayout(const ScreenGeometry& g, int pw)
{
    const int rowH = RowHeight(g);
    const int eW = Trunc(pw * 0.25);
    const int ex = Trunc((pw - eW) * 0.5);
    const int sideW = 2 * eW / 3;
    const int y0 = Trunc(pw * 115.0 / 1300.0 + rowH);
    const int pitch = 2 * (rowH * 5 / 6);
    std::vector<FieldRects> out;
    out.reserve(32);
    for (int i = 0; i < 5; ++i) out.push_back(Field(ex - sideW, sideW, ex, eW, ex + eW, sideW, y0 + i * pitch, rowH));
    return out;
}

std::vector<FieldRects> FieldGridLayout(const ScreenGeometry& g, int pw, int rows, int cols)
{
    const int rowH = RowHeight(g);
    const int eW = cols == 1 ? Trunc(pw * 0.25) : (pw / cols) * 10 / 23;
    const int gap = Trunc(static_cast<double>(pw - eW * cols) / (cols + 1) - rowH);
    const int unitW = Trunc(eW * 0.55);
    const int y0 = Trunc(pw * 115.0 / 1300.0 + rowH);
    const int pitch = 2 * (rowH * 4 / 6);
    std::vector<FieldRects> out;
    out.reserve(32);
    for (int c = 0; c < cols; ++c) {
        const int ex = gap + c * (eW + 3 * rowH + gap);
        for (int r = 0; r < rows; ++r) out.push_back(Field(ex - eW, eW, ex, eW, ex + eW, unitW, y0 + r * pitch, rowH));
    }
    return out;
}

std::vector<FieldRects> WideFieldGridLayout(const ScreenGeometry& g, int pw, int ph, int rows, int cols)
{
    const int rowS = Trunc(static_cast<double>(g.scaleY()) * 45.0);
    const int eW = cols == 1 ? Trunc(pw * 0.25) : (pw / cols) * 10 / 20;
    const int gap = Trunc(static_cast<double>(pw - eW * cols) / (cols + 1) - rowS);
    const int halfRow = rowS / 2;
    const int y0 = Trunc(pw * 115.0 / 1300.0 + halfRow);
    const int p = (ph - y0) / (rows + 2);
    const int step = 2 * Trunc(p * 4.0 / 7.0);
    const int unitW = Trunc(eW * 0.417);
    // The column pitch grows with the page height and the widths with its width, so on screens squarer
    // than 16:9 (and for six rows even on the design screen) the last column's unit would leave the page.
    // Only then the pitch shrinks until that unit box ends at the page's edge; every other grid keeps it.
    int pitch = eW + 2 * p + gap;
    if (cols > 1 && gap + (cols - 1) * pitch + eW + unitW > pw) pitch = (pw - gap - eW - unitW) / (cols - 1);
    std::vector<FieldRects> out;
    out.reserve(32);
    for (int c = 0; c < cols; ++c) {
        const int ex = gap + c * pitch;
        for (int r = 0; r < rows; ++r) out.push_back(Field(ex - eW, eW, ex, eW, ex + eW, unitW, y0 + r * step, p));
    }
    return out;
}

std::vector<FieldRects> FieldGridInRectLayout(const ScreenGeometry& g, Rect area, int cols, int rows)
{
    const float cw = static_cast<float>(area.width) / static_cast<float>(cols);
    const float rowStep = static_cast<float>(area.height) / static_cast<float>(rows) + 1.0f;
    const int labelW = Trunc(cw * 0.4);
    const int editW = Trunc(cw * 0.5);
    const int unitW = Trunc(cw * 0.1);
    const int h = Trunc(static_cast<double>(g.scaleY()) * 45.0);
    const float used = static_cast<float>(labelW + editW + unitW + 4);
    std::vector<FieldRects> out;
    out.reserve(32);
    for (int c = 0; c < cols; ++c) {
        const float colLeft = static_cast<float>(area.x) + static_cast<float>(c) * (cw + 2.0f);
        const int lx = Trunc(colLeft + (cw - used) / 2.0f);
        for (int r = 0; r < rows; ++r) {
            const int y = Trunc(static_cast<float>(area.y) + static_cast<float>(r) * rowStep);
            out.push_back(Field(lx, labelW, lx + labelW + 2, editW, lx + labelW + 2 + editW + 2, unitW, y, h));
        }
    }
    return out;
}

std::vector<FieldRects> FixedPointGridLayout(const ScreenGeometry& g, Rect area)
{
    const double cw = area.width / 2.0;
    const int editW = Trunc(cw * 0.4);
    const int unitW = Trunc(cw * 0.1);
    const int h = Trunc(static_cast<double>(g.scaleY()) * 35.0);
    std::vector<FieldRects> out;
    out.reserve(32);
    for (int c = 0; c < 2; ++c) {
        const int labelW = Trunc(cw * (c == 0 ? 0.2 : 0.4));
        const double colLeft = area.x + c * (cw + 2.0);
        const int lx = Trunc(colLeft + (cw - (labelW + editW + unitW + 4)) / 2.0);
        for (int r = 0; r < 9; ++r) {
            const int y = area.y + r * (h - 1);
            out.push_back(Field(lx, labelW, lx + labelW + 2, editW, lx + labelW + 2 + editW + 2, unitW, y, h));
        }
    }
    return out;
}

std::vector<FieldRects> InputOutputRowsLayout(const ScreenGeometry& g, Rect client)
{
    const Rect area{client.x + 10, client.y + 50, client.width - 10, client.height - 50};
    const int half = area.width / 2;
    const int sideW = Trunc(half * 0.4);
    const int unitW = Trunc(half * 0.1);
    const int h = Trunc(static_cast<double>(g.scaleY()) * 45.0);
    const int step = (area.height / 5 + 1) / 2;
    std::vector<FieldRects> out;
    out.reserve(32);
    const auto row = [&](int x, int y) { return Field(x, sideW, x + sideW, sideW, x + 2 * sideW, unitW, y, h); };
    for (int i = 0; i < 5; ++i) out.push_back(row(area.x + 10, area.y + i * step));
    for (int j = 0; j < 3; ++j) out.push_back(row(area.x + 10 + half - 20, area.y + 5 + h + j * step));
    return out;
}

std::vector<FieldRects> ShareStackedFrames(std::vector<FieldRects> fields)
{
    const auto sameColumn = [](const Rect& a, const Rect& b) { return a.x < b.right() && b.x < a.right(); };
    std::vector<int> height(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Rect& e = fields[i].edit;
        height[i] = e.height;
        int pitch = 0;  // to the nearest box below in the column, else from the nearest above
        for (const FieldRects& other : fields) {
            const Rect& o = other.edit;
            if (&other == &fields[i] || !sameColumn(e, o) || o.y == e.y) continue;
            if (o.y > e.y && (pitch <= 0 || o.y - e.y < pitch)) pitch = o.y - e.y;
        }
        if (pitch == 0) {
            for (const FieldRects& other : fields) {
                const Rect& o = other.edit;
                if (sameColumn(e, o) && o.y < e.y && o.bottom() > e.y + 1) pitch = std::max(pitch, e.y - o.y);
            }
        }
        if (pitch > 0 && pitch + 1 < e.height) height[i] = pitch + 1;
    }
    // A column whose pitch alternates (a fractional step) takes its smallest, so its boxes and their
    // digits are all of one size.
    const std::vector<int> cut = height;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (cut[i] == fields[i].edit.height) continue;
        for (std::size_t j = 0; j < fields.size(); ++j)
            if (cut[j] < fields[j].edit.height && sameColumn(fields[i].edit, fields[j].edit))
                height[i] = std::min(height[i], cut[j]);
    }
    for (std::size_t i = 0; i < fields.size(); ++i)
        for (Rect* r : {&fields[i].label, &fields[i].edit, &fields[i].unit}) r->height = height[i];
    return fields;
}

int EditTextTopOffset(int editHeight) { return editHeight / 6; }

double TitleBandHeight(int clientWidth) { return clientWidth * 115.0 / 1300.0; }

std::vector<Rect> SubPageTabRects(int w, int count)
{
    const int top = Trunc(w * 115.0 / 1300.0);
    const int bottom = Trunc(w * 115.0 / 1300.0 * 1.5);
    std::vector<Rect> out;
    for (int i = 0; i < count; ++i) {
        const int left = Trunc(static_cast<double>(i) * w / count);
        const int right = Trunc(static_cast<double>(i + 1) * w / count);
        out.push_back({left, top, right - left, bottom - top});
    }
    return out;
}

Rect SubPageRect(int clientWidth, int clientHeight)
{
    const int top = SubPageTabRects(clientWidth, 1).front().bottom() + 2;
    return {0, top, clientWidth, std::max(0, clientHeight - top)};
}

TabRow ComputeTabRow(int w, int count)
{
    TabRow t;
    t.bandHeight = w * 115.0 / 1300.0;
    const int top = Trunc(t.bandHeight);
    const int bottom = Trunc(1.5 * t.bandHeight);
    for (int i = 0; i < count; ++i)
        t.tabs.push_back({Trunc(0 + i * w / static_cast<double>(count)), top,
                          Trunc((i + 1) * w / static_cast<double>(count)), bottom});
    t.lineY = bottom;
    const int creationBand = (115 * w) / 1300;  // the sub-pages are placed with the integer band height
    t.subPageY = Trunc(1.5 * static_cast<double>(creationBand) + 2);
    return t;
}

int TabRowAt(const TabRow& row, int x, int y)
{
    for (int i = 0; i < static_cast<int>(row.tabs.size()); ++i) {
        const Edges& e = row.tabs[static_cast<std::size_t>(i)];
        if (e.left <= x && x < e.right && e.top <= y && y <= e.bottom) return i;
    }
    return -1;
}

EditSplit SplitEditForUncertainty(Rect edit)
{
    const int left = std::max(1, edit.width * 6 / 10);
    // One pixel of overlap: the box's left frame line is the edit's right one.
    return {{edit.x, edit.y, left, edit.height}, {edit.x + left - 1, edit.y, edit.width - left + 1, edit.height}};
}

namespace {

// Design sizes on 1920 x 1080: the button 150 x 34, a 20-pixel "k" label and a 60-pixel k box, 6 apart.
constexpr double kStripButton = 150, kStripLabel = 20, kStripBox = 60, kStripGap = 6, kStripHeight = 34;

}  // namespace

int UncertaintyStripWidth(const ScreenGeometry& g)
{
    return ScaledPixels(g, kStripButton) + ScaledPixels(g, kStripGap) + ScaledPixels(g, kStripLabel) +
           ScaledPixels(g, kStripBox);
}

int UncertaintyStripHeight(const ScreenGeometry& g) { return ScaledPixels(g, kStripHeight); }

UncertaintyStrip UncertaintyStripAt(const ScreenGeometry& g, int x, int y)
{
    const int h = UncertaintyStripHeight(g);
    const int button = ScaledPixels(g, kStripButton);
    const int gap = ScaledPixels(g, kStripGap);
    const int label = ScaledPixels(g, kStripLabel);
    const int box = ScaledPixels(g, kStripBox);
    return {{x, y, button, h}, {x + button + gap, y, label, h}, {x + button + gap + label, y, box, h}};
}

Rect FindFreeRect(Rect area, const std::vector<Rect>& taken, int w, int h, int margin)
{
    const int step = std::max(1, margin);
    const auto clear = [&](const Rect& r) {
        for (const Rect& t : taken) {
            if (t.width <= 0 || t.height <= 0) continue;
            if (r.x < t.right() + margin && t.x < r.right() + margin && r.y < t.bottom() + margin &&
                t.y < r.bottom() + margin)
                return false;
        }
        return true;
    };
    for (int y = area.bottom() - h - margin; y >= area.y + margin; y -= step) {
        for (int x = area.right() - w - margin; x >= area.x + margin; x -= step) {
            const Rect r{x, y, w, h};
            if (clear(r)) return r;
        }
    }
    return {};
}

}  // namespace tmcalc
