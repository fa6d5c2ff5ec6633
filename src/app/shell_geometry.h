#pragma once

#include "framework/geometry.h"

#include <array>
#include <cstddef>

namespace tmcalc {

inline constexpr int kPageCount = 25;
inline constexpr int kNavigationItemCount = 12;
inline constexpr int kMorePage = 11;
inline constexpr int kFirstMorePage = 12;  // tiles lead to pages 12-24
inline constexpr int kMoreTileCount = 13;

// The frame of the main window, from its client size.
struct ShellLayout {
    Edges banner;  // one thirteenth of the width high
    Edges column;  // navigation column under the banner
    double navigationWidth = 0;
    std::array<Edges, kNavigationItemCount> items{};  // each reaches one pixel into the next
    Edges aboutLink;       // 120 pixels high scaled: it reaches below the window, which cuts it
    int footerMargin = 0;  // between the about link's text and the column's edges
};

[[nodiscard]] ShellLayout ComputeShellLayout(const ScreenGeometry& g);

// What a left click on the main window at (x, y) does. `bannerBottom` B and `bannerRight` R come from
// the banner; navigation items from the layout.
enum class ShellClick {
    Close,      // the top right corner
    Minimise,   // left of the close area in the top strip
    Drag,       // anywhere else in the banner left of the close column
    Navigate,   // inside the navigation items' span (the item may still be none: see NavigationItemAt)
    None,
};
[[nodiscard]] ShellClick ClassifyShellClick(const ShellLayout& layout, int x, int y);

// The first item whose interior (edges excluded) holds the point, or -1.
[[nodiscard]] int NavigationItemAt(const ShellLayout& layout, int x, int y);

// The tiles of the More page, from the main window width. The first eleven keep their places: two rows
// of two wide tiles and a row of four narrow ones, with a column of three narrow ones at the right; a wide
// tile is two narrow ones and a gap, so the grid is five narrow tiles across and three high, and full. The
// tiles after the eleventh fill further columns of narrow tiles to its right, top to bottom (the page has
// room for one more column, not for a fourth row).
[[nodiscard]] std::array<Edges, kMoreTileCount> MoreTileRects(double W);
// How far tiles move so that the box around them all is centred in a client area `width` x `height`.
[[nodiscard]] Edges CentringShift(const Edges* tiles, std::size_t count, int width, int height);
// The tiles, any number of them, moved together so that their grid is centred in the client area.
template <std::size_t N>
[[nodiscard]] std::array<Edges, N> CentredTiles(std::array<Edges, N> tiles, int width, int height)
{
    const Edges d = CentringShift(tiles.data(), N, width, height);
    for (Edges& e : tiles) e = {e.left + d.left, e.top + d.top, e.right + d.left, e.bottom + d.top};
    return tiles;
}
// The tile whose rectangle holds the point, edges included, or -1.
[[nodiscard]] int MoreTileAt(const std::array<Edges, kMoreTileCount>& tiles, int x, int y);
// Point size of the tile texts.
[[nodiscard]] double MoreTileFontPoints(const ScreenGeometry& g);

}  // namespace tmcalc
