#include "app/shell_geometry.h"

#include <algorithm>

namespace tmcalc {
ShellLayout ComputeShellLayout(const ScreenGeometry& g)
{
    ShellLayout s;
    const int cw = Trunc(g.W);
    const int ch = Trunc(g.H);
    s.navigationWidth = g.W * 0.15615384615384614;  // W x 203 / 1300
    s.banner = {0, 0, cw, Trunc(cw * 0.07692307692307693)};
    s.column = {0, s.banner.bottom, Trunc(s.navigationWidth), ch};
    const int h = Trunc(s.column.right * 0.2660098522167488);  // column width x 54 / 203
    for (int i = 0; i < kNavigationItemCount; ++i) {
        const int top = s.column.top + i * h;
        s.items[static_cast<std::size_t>(i)] = {s.column.left, top, s.column.right, top + h + 1};
    }
    const int linkTop = Trunc(ch - ch / 10.0);
    s.footerMargin = ScaledPixels(g, 8);
    s.aboutLink = {0, linkTop, Trunc(s.navigationWidth), linkTop + ScaledPixels(g, 120)};
    return s;
}

ShellClick ClassifyShellClick(const ShellLayout& layout, int x, int y)
{
    const int b = layout.banner.bottom;
    const int r = layout.banner.right;
    const int q = b / 4;
    if (y <= b * 0.25 && x >= r - q) return ShellClick::Close;
    if (y <= b * 0.25 && r - b * 0.5 <= x && x <= r - q) return ShellClick::Minimise;
    if (y <= b && x <= r - q) return ShellClick::Drag;
    const Edges& first = layout.items.front();
    const Edges& last = layout.items.back();
    if (x < first.right && y > first.top && y < last.bottom) return ShellClick::Navigate;
    return ShellClick::None;
}

int NavigationItemAt(const ShellLayout& layout, int x, int y)
{
    for (int i = 0; i < kNavigationItemCount; ++i) {
        const Edges& e = layout.items[static_cast<std::size_t>(i)];
        if (e.left < x && x < e.right && e.top < y && y < e.bottom) return i;
    }
    return -1;
}

std::array<Edges, kMoreTileCount> MoreTileRects(double W)
{
    const double a = W * 1302 / 1920;
    const double b = a * 138 / 1302;
    const double c = a * 284 / 1302;
    const double d = c - 2 * b;
    const double e = c * 118 / 284;
    const double tileH = 1.4 * e;   // E
    const double bigW = 1.4 * c;    // C
    const double smallW = 1.4 * b;  // B
    const double space = 1.4 * d;   // D
    const int y0 = Trunc(e);
    const int x0 = Trunc((W - (Trunc(e * 0.5) + 2 * c + 2 * d + b)) * 0.125);

    std::array<Edges, kMoreTileCount> t{};
    const int bigLeft1 = Trunc(x0 + bigW + space);
    const int bigRight0 = Trunc(x0 + bigW);
    const int bigRight1 = Trunc(x0 + 2 * bigW + space);
    t[0] = {x0, y0, bigRight0, Trunc(y0 + tileH)};
    t[1] = {bigLeft1, y0, bigRight1, Trunc(y0 + tileH)};
    t[2] = {x0, Trunc(y0 + tileH + space), bigRight0, Trunc(y0 + 2 * tileH + space)};
    t[3] = {bigLeft1, Trunc(y0 + tileH + space), bigRight1, Trunc(y0 + 2 * tileH + space)};
    for (int k = 0; k < 4; ++k) {
        t[4 + static_cast<std::size_t>(k)] = {Trunc(x0 + k * smallW + k * space), Trunc(y0 + 2 * tileH + 2 * space),
                                              Trunc(x0 + (k + 1) * smallW + k * space),
                                              Trunc(y0 + 3 * tileH + 2 * space)};
    }
    for (int k = 0; k < 3; ++k) {
        t[8 + static_cast<std::size_t>(k)] = {Trunc(x0 + 2 * bigW + 2 * space), Trunc(y0 + k * tileH + k * space),
                                              Trunc(x0 + 2 * bigW + 2 * space + smallW),
                                              Trunc(y0 + (k + 1) * tileH + k * space)};
    }
    for (int k = 11; k < kMoreTileCount; ++k) {
        const int row = (k - 11) % 3;
        const int column = 5 + (k - 11) / 3;
        t[static_cast<std::size_t>(k)] = {Trunc(x0 + column * (smallW + space)), Trunc(y0 + row * (tileH + space)),
                                          Trunc(x0 + column * (smallW + space) + smallW),
                                          Trunc(y0 + row * (tileH + space) + tileH)};
    }
    return t;
}

Edges CentringShift(const Edges* tiles, std::size_t count, int width, int height)
{
    if (count == 0) return {};
    Edges box = tiles[0];
    for (std::size_t k = 1; k < count; ++k) {
        box.left = std::min(box.left, tiles[k].left);
        box.top = std::min(box.top, tiles[k].top);
        box.right = std::max(box.right, tiles[k].right);
        box.bottom = std::max(box.bottom, tiles[k].bottom);
    }
    const int dx = (width - (box.right - box.left)) / 2 - box.left;
    const int dy = (height - (box.bottom - box.top)) / 2 - box.top;
    return {dx, dy, dx, dy};
}

int MoreTileAt(const std::array<Edges, kMoreTileCount>& tiles, int x, int y)
{
    for (int k = 0; k < kMoreTileCount; ++k) {
        const Edges& e = tiles[static_cast<std::size_t>(k)];
        if (e.left <= x && x <= e.right && e.top <= y && y <= e.bottom) return k;
    }
    return -1;
}

double MoreTileFontPoints(const ScreenGeometry& g)
{
    const double a = g.W * 1302 / 1920;
    const double e = (a * 284 / 1302) * 118 / 284;
    return 1.4 * e / 7;  // 15.98 points on 1920 x 1080, scaled like the tiles
}

}  // namespace tmcalc
