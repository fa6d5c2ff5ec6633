#pragma once

#include <array>
#include <vector>

namespace tmcalc {

// Conversion to int toward zero, as every layout figure is taken.
[[nodiscard]] inline int Trunc(double v) { return static_cast<int>(v); }

// Integer rectangle in the coordinates of its parent's client area (x, y = top-left corner).
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    [[nodiscard]] int right() const { return x + width; }
    [[nodiscard]] int bottom() const { return y + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Edges as the window system keeps them: left, top, right, bottom (right and bottom outside).
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Edges&, const Edges&) = default;
};

[[nodiscard]] inline Rect ToRect(const Edges& e) { return {e.left, e.top, e.right - e.left, e.bottom - e.top}; }

// Size of a font in the Windows convention: a negative height is the character (em) height in pixels,
// width the average character width (negative likewise).
struct FontSize {
    int height = 0;
    int width = 0;
    friend bool operator==(const FontSize&, const FontSize&) = default;
};

// Everything that is scaled from the 1300 x 831 design on a 1920 x 1080 screen, computed once at start.
struct ScreenGeometry {
    int screenWidth = 1920;
    int screenHeight = 1080;
    double W = 1300.0;  // main window width
    double H = 831.0;   // main window height
    double X = 310.0;   // window origin (the window is centred)
    double Y = 124.5;
    FontSize navigationFont;
    FontSize secondFont;
    FontSize labelFont;
    FontSize editFont;

    [[nodiscard]] float scaleX() const { return static_cast<float>(screenWidth / 1920.0); }
    [[nodiscard]] float scaleY() const { return static_cast<float>(screenHeight / 1080.0); }
};

[[nodiscard]] ScreenGeometry ComputeScreenGeometry(int screenWidth, int screenHeight);

// The one scale every text and indicator follows, the window's width over its design width: exactly 1
// on 1920 x 1080, so there every size stays the design figure.
[[nodiscard]] inline double TextScale(const ScreenGeometry& g) { return g.W / 1300.0; }
// A design size in pixels (on 1920 x 1080) on this screen; never below one pixel.
[[nodiscard]] int ScaledPixels(const ScreenGeometry& g, double designPixels);
// The smallest text height a text that does not fit may step down to: the 12-pixel desktop text size
// scaled, but never under 9 pixels.
[[nodiscard]] int LegibleFloorPixels(const ScreenGeometry& g);

// The rectangle shared by all 23 pages inside the main window's client area.
[[nodiscard]] Rect PageRect(const ScreenGeometry& g);

// One field: label, edit box and unit, each a rectangle in the page's client area.
struct FieldRects {
    Rect label;
    Rect edit;
    Rect unit;
};

// The field builders' layouts. `clientWidth` / `clientHeight` are those of the page's client area.
// Fields are listed in creation order; the edit ids follow from the builder (Page's builders say how).
[[nodiscard]] std::vector<FieldRects> FieldColumnLayout(const ScreenGeometry& g, int clientWidth);
[[nodiscard]] std::vector<FieldRects> FieldGridLayout(const ScreenGeometry& g, int clientWidth, int rows, int cols);
[[nodiscard]] std::vector<FieldRects> WideFieldGridLayout(const ScreenGeometry& g, int clientWidth, int clientHeight,
                                                          int rows, int cols);
[[nodiscard]] std::vector<FieldRects> FieldGridInRectLayout(const ScreenGeometry& g, Rect area, int cols, int rows);
[[nodiscard]] std::vector<FieldRects> FixedPointGridLayout(const ScreenGeometry& g, Rect area);
[[nodiscard]] std::vector<FieldRects> InputOutputRowsLayout(const ScreenGeometry& g, Rect client);

// Fields stacked closer than their height (a later box would cover the bottom of the one above it) are
// cut to the pitch of their column plus one pixel, so that neighbours share one frame line and every
// box shows whole; the last of such a column gets the same height, and a column whose pitch alternates
// its smallest. Label and unit follow the edit box.
[[nodiscard]] std::vector<FieldRects> ShareStackedFrames(std::vector<FieldRects> fields);

// Where the builders that centre their single line move the text rectangle down to.
[[nodiscard]] int EditTextTopOffset(int editHeight);

// Title band height of a page (double, as the painters use it) and its integer bottom.
[[nodiscard]] double TitleBandHeight(int clientWidth);

// The tab band under the title band of a container page: from trunc(w x 115 / 1300) to 1.5 times that,
// `count` tabs of equal width side by side.
[[nodiscard]] std::vector<Rect> SubPageTabRects(int clientWidth, int count);
// Where the sub-pages under such a band go: the full width, from two pixels below the band to the bottom.
[[nodiscard]] Rect SubPageRect(int clientWidth, int clientHeight);

// A row of tabs that its container paints itself (the thermocouple types): under the title band, from
// trunc(w x 115 / 1300) to trunc(1.5 times that), `count` tabs of w / count; the sub-pages start two
// pixels under 1.5 times the integer band height and are a full client area high.
struct TabRow {
    double bandHeight = 0;  // w x 115 / 1300
    std::vector<Edges> tabs;
    int lineY = 0;     // the line under the tabs
    int subPageY = 0;  // top of the sub-pages
};
[[nodiscard]] TabRow ComputeTabRow(int clientWidth, int count);
// The tab holding the selection point: left <= x < right, top <= y <= bottom; -1 when none.
[[nodiscard]] int TabRowAt(const TabRow& row, int x, int y);

// The uncertainty boxes of a field take the right part of its own edit box while they show, so they
// can touch nothing the page already holds: the edit keeps the left 60 % (at least 1 pixel), the box the
// rest, the two sharing the frame line between them.
struct EditSplit {
    Rect edit;
    Rect box;
};
[[nodiscard]] EditSplit SplitEditForUncertainty(Rect edit);

// The strip of the uncertainty button, the "k" label and the k box: `width` x `height` on the 1920 x 1080
// design, scaled by TextScale, the button taking what the label and box leave.
struct UncertaintyStrip {
    Rect button;
    Rect kLabel;
    Rect kBox;
};
[[nodiscard]] UncertaintyStrip UncertaintyStripAt(const ScreenGeometry& g, int x, int y);
[[nodiscard]] int UncertaintyStripWidth(const ScreenGeometry& g);
[[nodiscard]] int UncertaintyStripHeight(const ScreenGeometry& g);

// The first free place for a w x h rectangle in `area`, clear of every rectangle of `taken` by `margin`
// pixels: tried along the bottom of the area from the right to the left, then one step of `margin` up at
// a time. Empty (width 0) when there is none.
[[nodiscard]] Rect FindFreeRect(Rect area, const std::vector<Rect>& taken, int w, int h, int margin);

}  // namespace tmcalc
