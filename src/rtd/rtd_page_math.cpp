#include "rtd/rtd_page_math.h"

#include "framework/number_text.h"
#include "rtd/copper.h"
#include "rtd/rounding.h"

#include <limits>

namespace tmcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Slopes are shown with 8 significant digits and 7 decimals: 0.3792800 Ω/°C for a Pt100 at 100 °C.
std::string SlopeText(double slope)
{
    return FormatShowValue(8, 7, slope).value_or(std::string());
}

double Slope(RtdMetal metal, double t, double r0)
{
    return metal == RtdMetal::Platinum ? PtSlope(t, r0) : CuSlope(t, r0);
}

}  // namespace

RtdShownTexts RtdTextsFromTemperature(RtdMetal metal, double t, double r0)
{
    const bool platinum = metal == RtdMetal::Platinum;
    const double low = platinum ? kPtStandard.t_min : kCuStandard.t_min;
    const double high = platinum ? kPtStandard.t_max : kCuStandard.t_max;
    // Written so that a NaN t is outside too: the out-of-range text, and no slope beside it.
    if (!(t >= low && t <= high)) return {FormatValueG7(kNaN), std::string()};
    // No thermometer has an R0 of zero or less (nor a NaN one): both out of range.
    if (!(r0 > 0)) return {FormatValueG7(kNaN), FormatValueG7(kNaN)};
    const double resistance = platinum ? PtResistance(t, r0) : CuResistance(t, r0);
    return {FormatValueG7(ResistanceForDisplay(resistance)), SlopeText(Slope(metal, t, r0))};
}

RtdShownTexts RtdTextsFromResistance(const RtdSensorPage& page, double r, double r0)
{
    // A resistance, and the ice-point resistance, of zero or less is out of range.
    if (!(r > 0) || !(r0 > 0)) return {FormatValueG7(kNaN), FormatValueG7(kNaN)};
    if (r == r0) {
        // The ice point deliberately shows the literal "0.0" rather than "0". Also when
        // R0 is infinite (PtX), where r / r0 is no number.
        return {"0.0", SlopeText(Slope(page.metal, 0.0, r0))};
    }
    const bool platinum = page.metal == RtdMetal::Platinum;
    const double t = platinum ? PtTemperature(r, r0) : CuTemperature(r, r0);
    return {FormatValueG7(platinum ? ScreenPtTemperature(t, page.ptRange) : ScreenCuTemperature(t)),
            SlopeText(Slope(page.metal, t, r0))};
}

}  // namespace tmcalc
