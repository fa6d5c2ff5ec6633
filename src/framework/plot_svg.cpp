#include "framework/plot_svg.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tmcalc {
namespace {

// Coordinates to a hundredth of a unit.
std::string Num(double v)
{
    std::array<char, 40> text{};
    const auto r = std::to_chars(text.data(), text.data() + text.size(), std::round(v * 100.0) / 100.0,
                                 std::chars_format::general);
    return std::string(text.data(), r.ptr);
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

struct Svg {
    std::string out;
    double font = 12.0;

    // Appends each piece in turn (no temporaries joined with +).
    template <typename... Pieces>
    void Add(const Pieces&... pieces)
    {
        (out.append(pieces), ...);
    }
    void Line(double x1, double y1, double x2, double y2, const char* style)
    {
        Add("<line x1=\"", Num(x1), "\" y1=\"", Num(y1), "\" x2=\"", Num(x2), "\" y2=\"", Num(y2), "\" ", style,
            "/>\n");
    }
    // anchor: start, middle or end; `turned` writes the text upwards (the y titles).
    void Text(double x, double y, const std::string& text, const char* anchor, bool turned = false)
    {
        Add("<text x=\"", Num(x), "\" y=\"", Num(y), "\" text-anchor=\"", anchor, "\"");
        if (turned) Add(" transform=\"rotate(-90 ", Num(x), " ", Num(y), ")\"");
        Add(">", Escaped(text), "</text>\n");
    }
};

void Panel(Svg& svg, const char* id, const PlotPanel& panel, const PlotRect& frame, bool xTexts)
{
    const double f = svg.font;
    svg.Add("<g id=\"", id, "\">\n");
    for (std::size_t i = 0; i < panel.x.ticks.size(); ++i) {
        const double x = MapToFrame(panel, frame, {panel.x.ticks[i], 0.0}).x;
        svg.Line(x, frame.y, x, frame.y + frame.h, "class=\"grid\" stroke=\"#ddd\"");
        if (xTexts) svg.Text(x, frame.y + frame.h + f * 1.2, panel.x.labels[i], "middle");
    }
    for (std::size_t i = 0; i < panel.y.ticks.size(); ++i) {
        const double y = MapToFrame(panel, frame, {0.0, panel.y.ticks[i]}).y;
        svg.Line(frame.x, y, frame.x + frame.w, y, "class=\"grid\" stroke=\"#ddd\"");
        svg.Text(frame.x - f * 0.4, y + f * 0.35, panel.y.labels[i], "end");
    }
    if (panel.zeroLine && panel.y.min < 0.0 && panel.y.max > 0.0) {
        const double y = MapToFrame(panel, frame, {0.0, 0.0}).y;
        svg.Line(frame.x, y, frame.x + frame.w, y, "class=\"zero\" stroke=\"#888\"");
    }
    svg.Add("<rect class=\"frame\" x=\"", Num(frame.x), "\" y=\"", Num(frame.y), "\" width=\"", Num(frame.w),
            "\" height=\"", Num(frame.h), "\" fill=\"none\" stroke=\"#000\"/>\n");
    for (const std::vector<PlotXY>& run : CurveRuns(panel, frame)) {
        svg.Add("<polyline class=\"curve\" fill=\"none\" stroke=\"#1f5fbf\" stroke-width=\"1.5\" points=\"");
        for (std::size_t i = 0; i < run.size(); ++i) svg.Add(i == 0 ? "" : " ", Num(run[i].x), ",", Num(run[i].y));
        svg.Add("\"/>\n");
    }
    for (const PlotXY& p : panel.marks) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
        const PlotXY c = MapToFrame(panel, frame, p);
        svg.Add("<circle class=\"mark\" cx=\"", Num(c.x), "\" cy=\"", Num(c.y), "\" r=\"", Num(f * 0.3),
                "\" fill=\"#c0392b\"/>\n");
    }
    svg.Text(f * 1.1, frame.y + frame.h / 2.0, panel.y.title, "middle", true);
    if (xTexts) svg.Text(frame.x + frame.w / 2.0, frame.y + frame.h + f * 2.6, panel.x.title, "middle");
    svg.Add("</g>\n");
}

}  // namespace

std::string PlotSvg(const PlotModel& model, double width, double height)
{
    const PlotLayout layout = LayoutPlot(model, width, height);
    Svg svg;
    svg.font = layout.fontPx;
    svg.out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg.Add("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"", Num(width), "\" height=\"", Num(height),
            "\" viewBox=\"0 0 ", Num(width), " ", Num(height), "\" font-family=\"sans-serif\" font-size=\"",
            Num(layout.fontPx), "\">\n");
    svg.out += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
    if (!model.title.empty())
        svg.Text(layout.title.x + layout.title.w / 2.0, layout.title.y + layout.title.h * 0.65, model.title, "middle");
    Panel(svg, "main", model.main, layout.main, false);
    Panel(svg, "residuals", model.residuals, layout.residuals, true);
    svg.out += "</svg>\n";
    return svg.out;
}

}  // namespace tmcalc
