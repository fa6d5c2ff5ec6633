#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tmcalc {

// The plot of a fit, as numbers and texts only: both painters (the pages' and the SVG writer of the
// command line) draw this model and the rectangles LayoutPlot gives, so what they draw is tested here
// once rather than in pixels.

struct PlotXY {
    double x = 0.0;
    double y = 0.0;
};

// One axis: the data range widened to whole ticks, the tick values and their texts.
struct PlotAxis {
    double min = 0.0;
    double max = 1.0;
    std::vector<double> ticks;
    std::vector<std::string> labels;  // C-locale texts, one per tick
    std::string title;
};

// "Nice" ticks over [lo, hi]: a step of 1, 2 or 5 times a power of ten that gives at most `maxTicks`
// ticks (and as many as that allows), the axis widened to the ticks just outside the data. A range
// of one value is widened around it; non-finite bounds give the axis 0..1.
[[nodiscard]] PlotAxis NiceAxis(double lo, double hi, int maxTicks, std::string title = {});

// One panel: axes, the curve as a polyline (a non-finite y breaks it) and the point marks.
struct PlotPanel {
    PlotAxis x;
    PlotAxis y;
    std::vector<PlotXY> curve;
    std::vector<PlotXY> marks;
    bool zeroLine = false;  // a line at y = 0 when it lies inside the axis
};

// The fit's plot: the points and the fitted curve above, the residuals in mK below, on one x axis.
struct PlotModel {
    std::string title;
    PlotPanel main;
    PlotPanel residuals;
};

struct FitPlotInput {
    std::string title;
    std::string xTitle;
    std::string yTitle;
    std::string residualTitle;
    std::vector<PlotXY> points;          // x the temperature, y the measured value (or its deviation)
    std::function<double(double)> curve;  // the fitted value (or deviation) at x; empty: no curve
    std::vector<double> residualsMk;     // one per point, or empty
    int samples = 161;                   // curve vertices across the x range
};

[[nodiscard]] PlotModel BuildFitPlot(const FitPlotInput& input);

// Rectangles in drawing units, y downwards.
struct PlotRect {
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
    double h = 0.0;
};

struct PlotLayout {
    double fontPx = 12.0;  // the text height every painter uses
    PlotRect title;        // the title's band; its text is centred in it
    PlotRect main;         // the frames of the two panels
    PlotRect residuals;
};

// The panels of a `width` x `height` drawing: margins for the tick texts (their width estimated from
// their length) and the axis titles, the main panel over about two thirds of the height.
[[nodiscard]] PlotLayout LayoutPlot(const PlotModel& model, double width, double height);

// A model point inside a panel's frame.
[[nodiscard]] PlotXY MapToFrame(const PlotPanel& panel, const PlotRect& frame, PlotXY p);

// The polyline split at its non-finite points, each run mapped to the frame.
[[nodiscard]] std::vector<std::vector<PlotXY>> CurveRuns(const PlotPanel& panel, const PlotRect& frame);

}  // namespace tmcalc
