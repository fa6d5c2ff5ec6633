#include "rtd/sprt.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "framework/number_text.h"
#include "rtd/its90.h"
#include "units/temperature.h"

namespace tmcalc {
namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

enum class Group { None, A4, A5, A7, A8, A9, A10, A11 };

// The range of each group; the below-zero ones stop short of 0 °C, the others include their top point.
struct GroupRange {
    Group group;
    std::uint32_t flag;
    double low;
    double high;
    bool high_open;
};

constexpr std::array<GroupRange, 7> kGroupRanges{{
    {Group::A4, kSprtFlagA4B4, kIts90Argon, 0, true},
    {Group::A5, kSprtFlagA5B5, kIts90Mercury, 0, true},
    {Group::A7, kSprtFlagA7B7C7, 0, kIts90Aluminium, false},
    {Group::A8, kSprtFlagA8B8, 0, kIts90Zinc, false},
    {Group::A9, kSprtFlagA9B9, 0, kIts90Tin, false},
    {Group::A10, kSprtFlagA10, 0, kIts90Indium, false},
    {Group::A11, kSprtFlagA11, 0, kIts90Gallium, false},
}};

// How far beyond its group a first estimate may lie and still be inverted with it, °C.
constexpr double kGroupGrace = 0.1;

// SprtRatio's Newton: residual bound in W and step limit.
constexpr double kRatioTolerance = 1e-10;
constexpr int kRatioStepLimit = 100000;

// The refinement of the inverse: residual bound in W. Newton from the published inverse (0.13 mK off)
// meets it in two or three steps; the limit only stops a pathological input.
constexpr double kRefineTolerance = 1e-12;
constexpr int kRefineStepLimit = 50;

bool Carries(const SprtCoefficientSet& set, const GroupRange& range)
{
    if ((set.flags & range.flag) == 0) return false;
    if (set.zeroIsValue) return true;
    switch (range.group) {
    case Group::A4: return true;
    case Group::A5: return set.a5 != 0 && set.b5 != 0;
    case Group::A7: return set.a7 != 0;
    case Group::A8: return set.a8 != 0;
    case Group::A9: return set.a9 != 0;
    case Group::A10: return set.a10 != 0;
    case Group::A11: return set.a11 != 0;
    case Group::None: break;
    }
    return false;
}

bool Holds(const GroupRange& range, double t)
{
    return range.low <= t && (range.high_open ? t < range.high : t <= range.high);
}

// The last group in order that applies at t: a later one replaces an earlier one.
Group GroupAt(const SprtCoefficientSet& set, double t)
{
    Group found = Group::None;
    for (const GroupRange& range : kGroupRanges) {
        if (Carries(set, range) && Holds(range, t)) found = range.group;
    }
    return found;
}

// GroupAt, or else the nearest carried group within the grace; the later one on a tie, as at 0 °C.
Group GroupNear(const SprtCoefficientSet& set, double t)
{
    const Group at = GroupAt(set, t);
    if (at != Group::None || std::isnan(t)) return at;
    Group found = Group::None;
    double nearest = kGroupGrace;
    for (const GroupRange& range : kGroupRanges) {
        if (!Carries(set, range)) continue;
        const double distance = t < range.low ? range.low - t : t - range.high;
        if (distance <= nearest) {
            found = range.group;
            nearest = distance;
        }
    }
    return found;
}

double Deviation(const SprtCoefficientSet& set, Group group, double w)
{
    const double x = w - 1;
    switch (group) {
    case Group::A4: return set.a4 * x + set.b4 * x * std::log(w);
    case Group::A5: return set.a5 * x + set.b5 * x * x;
    case Group::A7: return set.a7 * x + set.b7 * x * x + set.c7 * std::pow(x, 3);
    case Group::A8: return set.a8 * x + set.b8 * x * x;
    case Group::A9: return set.a9 * x + set.b9 * x * x;
    case Group::A10: return set.a10 * x;
    case Group::A11: return set.a11 * x;
    case Group::None: break;
    }
    return kNotANumber;
}

double DeviationSlope(const SprtCoefficientSet& set, Group group, double w)
{
    const double x = w - 1;
    switch (group) {
    case Group::A4:
        return set.a4 != 0 || set.zeroIsValue ? set.a4 + set.b4 * (std::log(w) + x / w) : kNotANumber;
    case Group::A5: return 2 * set.b5 * x + set.a5;
    case Group::A7: return 3 * set.c7 * x * x + 2 * set.b7 * x + set.a7;
    case Group::A8: return 2 * set.b8 * x + set.a8;
    case Group::A9: return 2 * set.b9 * x + set.a9;
    case Group::A10: return set.a10;
    case Group::A11: return set.a11;
    case Group::None: break;
    }
    return kNotANumber;
}

double RatioInGroup(const SprtCoefficientSet& set, Group group, double t)
{
    if (group == Group::None) return kNotANumber;
    const double wr = Its90Wr(t);
    if (std::isnan(wr)) return kNotANumber;
    double w = wr;
    for (int step = 0; step < kRatioStepLimit; ++step) {
        const double f = wr + Deviation(set, group, w) - w;
        const double derivative = DeviationSlope(set, group, w) - 1;
        if (std::fabs(derivative) < 1e-10) return wr;
        w -= f / derivative;
        if (std::isnan(w)) return kNotANumber;
        if (std::fabs(wr + Deviation(set, group, w) - w) < kRatioTolerance) return w;
    }
    return kNotANumber;
}

// t with Its90Wr(t) = wr to 1e-12. The two branches of Its90Wr leave a gap of 5.3e-9 at 0 °C that no
// t fills; a ratio inside it belongs to 0 °C.
double InvertWr(double wr)
{
    static const double gap_low = Its90Wr(-std::numeric_limits<double>::min());
    static const double gap_high = Its90Wr(0);
    if (gap_low <= wr && wr <= gap_high) return 0;
    double t = Its90T(wr);
    for (int step = 0; step < kRefineStepLimit; ++step) {
        const double residual = Its90Wr(t) - wr;
        if (std::isnan(residual)) return kNotANumber;
        if (std::fabs(residual) < kRefineTolerance) return t;
        t -= residual / Its90WrSlope(t);
    }
    return kNotANumber;
}

struct Inversion {
    double t = kNotANumber;
    Group group = Group::None;
};

Inversion Invert(const SprtCoefficientSet& set, double w)
{
    const Group group = GroupNear(set, Its90T(w));
    if (group == Group::None) return {};
    return {InvertWr(w - Deviation(set, group, w)), group};
}

SprtConversion WithSlopes(const SprtCoefficientSet& set, Group group, double rtp, double t, double r, double w)
{
    if (std::isnan(w)) return {t, r, kNotANumber, kNotANumber, kNotANumber};
    const double dw_dt = Its90WrSlope(t) / (1 - DeviationSlope(set, group, w));
    return {t, r, w, dw_dt, rtp * dw_dt};
}

// Deviation d = a·x + b·x² through two points (x1, d1), (x2, d2).
std::array<double, 2> TwoPointQuadratic(double x1, double d1, double x2, double d2)
{
    const double det = x1 * x1 * x2 - x2 * x2 * x1;
    return {(x1 * x1 * d2 - x2 * x2 * d1) / det, (d1 * x2 - d2 * x1) / det};
}

double Det3(double a1, double a2, double a3, double b1, double b2, double b3, double c1, double c2, double c3)
{
    return a1 * (b2 * c3 - b3 * c2) - a2 * (b1 * c3 - b3 * c1) + a3 * (b1 * c2 - b2 * c1);
}

constexpr SprtFixedPoint Point(SprtFixedPointId id, double t) { return {id, t, t}; }

constexpr SprtFixedPoint kArgon = Point(SprtFixedPointId::Argon, kIts90Argon);
constexpr SprtFixedPoint kMercury = Point(SprtFixedPointId::Mercury, kIts90Mercury);
constexpr SprtFixedPoint kIndium = Point(SprtFixedPointId::Indium, kIts90Indium);
constexpr SprtFixedPoint kTin = Point(SprtFixedPointId::Tin, kIts90Tin);
constexpr SprtFixedPoint kZinc = Point(SprtFixedPointId::Zinc, kIts90Zinc);
constexpr SprtFixedPoint kAluminium = Point(SprtFixedPointId::Aluminium, kIts90Aluminium);
// The grid has always shown the a11 group's gallium point rounded to 29.765; the fit uses the true value.
constexpr SprtFixedPoint kGalliumA11{SprtFixedPointId::Gallium, kIts90Gallium, 29.765};
constexpr SprtFixedPoint kGalliumA5 = Point(SprtFixedPointId::Gallium, kIts90Gallium);

constexpr std::array<SprtGroupInfo, 6> kUpperGroups{{
    {kSprtFlagA7B7C7, 3, {"a7", "b7", "c7"}, 3, {kAluminium, kZinc, kTin}},
    {kSprtFlagA8B8, 2, {"a8", "b8"}, 2, {kZinc, kTin}},
    {kSprtFlagA9B9, 2, {"a9", "b9"}, 2, {kTin, kIndium}},
    {kSprtFlagA10, 1, {"a10"}, 1, {kIndium}},
    {kSprtFlagA11, 1, {"a11"}, 1, {kGalliumA11}},
    {},
}};

constexpr std::array<SprtGroupInfo, 3> kLowerGroups{{
    {kSprtFlagA4B4, 2, {"a4", "b4"}, 2, {kArgon, kMercury}},
    {kSprtFlagA5B5, 2, {"a5", "b5"}, 2, {kGalliumA5, kMercury}},
    {},
}};

constexpr SprtGroupInfo kNoGroup{};

// d_i = W_i - Wr(t_i) and x_i = W_i - 1 at the fixed points of a group.
struct Deviations {
    std::array<double, 3> x{};
    std::array<double, 3> d{};
};

Deviations MeasuredDeviations(const SprtGroupInfo& group, double rtp, std::span<const double> r)
{
    Deviations out;
    for (int i = 0; i < group.point_count; ++i) {
        const double w = r[i] / rtp;
        out.x[i] = w - 1;
        out.d[i] = w - Its90Wr(group.points[i].t);
    }
    return out;
}

}  // namespace

double SprtDeviation(const SprtCoefficientSet& set, double t, double w)
{
    return Deviation(set, GroupAt(set, t), w);
}

double SprtDeviationSlope(const SprtCoefficientSet& set, double t, double w)
{
    return DeviationSlope(set, GroupAt(set, t), w);
}

double SprtRatio(const SprtCoefficientSet& set, double t) { return RatioInGroup(set, GroupAt(set, t), t); }

double SprtTemperature(const SprtCoefficientSet& set, double w) { return Invert(set, w).t; }

double SprtTemperatureInGroup(const SprtCoefficientSet& set, std::uint32_t flag, double w)
{
    for (const GroupRange& range : kGroupRanges) {
        if (range.flag == flag) return InvertWr(w - Deviation(set, range.group, w));
    }
    return kNotANumber;
}

SprtRangeCodes SprtRangeClasses(std::u16string_view text)
{
    const RangeText range = ReadRangeText(text);
    const double high = range.high.value;
    const double low = range.low.value;
    SprtRangeCodes codes;
    // 0.1 mK above each top point, so that a bound typed with four decimals selects its own group.
    constexpr double kSlack = 0.0001;
    if (!std::isnan(high)) {
        codes.upper = 0;
        if (high <= kIts90Zinc + kSlack) codes.upper = 1;
        if (high <= kIts90Tin + kSlack) codes.upper = 2;
        if (high <= kIts90Indium + kSlack) codes.upper = 3;
        if (high <= 29.7647 + kSlack) codes.upper = 4;
        if (high <= kSlack) codes.upper = 5;
    }
    if (low < 0) codes.lower = low < kIts90Mercury ? 0 : 1;
    return codes;
}

const SprtGroupInfo& SprtUpperGroup(int code)
{
    return code >= 0 && code < static_cast<int>(kUpperGroups.size()) ? kUpperGroups[code] : kNoGroup;
}

const SprtGroupInfo& SprtLowerGroup(int code)
{
    return code >= 0 && code < static_cast<int>(kLowerGroups.size()) ? kLowerGroups[code] : kNoGroup;
}

SprtFixedPointRows SprtFixedPoints(SprtRangeCodes codes)
{
    const SprtGroupInfo& upper = SprtUpperGroup(codes.upper);
    const SprtGroupInfo& lower = SprtLowerGroup(codes.lower);
    SprtFixedPointRows rows;
    rows.upper_count = upper.point_count;
    rows.lower_count = lower.point_count;
    for (int i = 0; i < upper.point_count; ++i) rows.points[i] = upper.points[i];
    for (int i = 0; i < lower.point_count; ++i) rows.points[upper.point_count + i] = lower.points[i];
    return rows;
}

SprtFit FitSprtUpper(int code, double rtp, std::span<const double> r)
{
    const SprtGroupInfo& group = SprtUpperGroup(code);
    if (group.point_count == 0 || r.size() < static_cast<std::size_t>(group.point_count)) return {};
    const auto [x, d] = MeasuredDeviations(group, rtp, r);
    SprtFit fit{group.coefficient_count, {}};
    switch (code) {
    case 0: {
        // d_i = a7·x_i + b7·x_i² + c7·x_i³ for aluminium, zinc and tin, by Cramer's rule.
        std::array<double, 3> x2{};
        std::array<double, 3> x3{};
        for (int i = 0; i < 3; ++i) {
            x2[i] = x[i] * x[i];
            x3[i] = x2[i] * x[i];
        }
        const double det = Det3(x[0], x2[0], x3[0], x[1], x2[1], x3[1], x[2], x2[2], x3[2]);
        fit.coefficients = {Det3(d[0], x2[0], x3[0], d[1], x2[1], x3[1], d[2], x2[2], x3[2]) / det,
                            Det3(x[0], d[0], x3[0], x[1], d[1], x3[1], x[2], d[2], x3[2]) / det,
                            Det3(x[0], x2[0], d[0], x[1], x2[1], d[1], x[2], x2[2], d[2]) / det};
        break;
    }
    case 1:
    case 2: {
        const auto [a, b] = TwoPointQuadratic(x[0], d[0], x[1], d[1]);
        fit.coefficients = {a, b, 0};
        break;
    }
    default: fit.coefficients = {d[0] / x[0], 0, 0}; break;
    }
    return fit;
}

SprtFit FitSprtLower(int code, double rtp, double r1, double r2)
{
    const SprtGroupInfo& group = SprtLowerGroup(code);
    if (group.point_count == 0) return {};
    const std::array<double, 2> r{r1, r2};
    const auto [x, d] = MeasuredDeviations(group, rtp, r);
    if (code == 1) {
        const auto [a5, b5] = TwoPointQuadratic(x[0], d[0], x[1], d[1]);
        return {2, {a5, b5, 0}};
    }
    // d_i = a4·x_i + b4·x_i·ln W_i for argon and mercury.
    const double ln1 = std::log(x[0] + 1);
    const double ln2 = std::log(x[1] + 1);
    const double det = (ln1 - ln2) * x[0] * x[1];
    return {2, {(ln1 * d[1] * x[0] - ln2 * d[0] * x[1]) / det, (d[0] * x[1] - d[1] * x[0]) / det, 0}};
}

SprtCoefficientSet SprtSetFromGroups(SprtRangeCodes codes, const std::array<double, 3>& upper,
                                     const std::array<double, 2>& lower)
{
    SprtCoefficientSet set;
    const int upper_count = SprtUpperGroup(codes.upper).coefficient_count;
    // Rows of the upper codes 0..4, in the order of the group's names; code 5 has no coefficient.
    const std::array<std::array<double*, 3>, 5> upper_fields{
        {{&set.a7, &set.b7, &set.c7}, {&set.a8, &set.b8}, {&set.a9, &set.b9}, {&set.a10}, {&set.a11}}};
    for (int i = 0; i < upper_count; ++i) *upper_fields[codes.upper][i] = upper[i];
    if (codes.lower == 0) {
        set.a4 = lower[0];
        set.b4 = lower[1];
    } else if (codes.lower == 1) {
        set.a5 = lower[0];
        set.b5 = lower[1];
    }
    set.flags = SprtUpperGroup(codes.upper).flag | SprtLowerGroup(codes.lower).flag;
    return set;
}

bool SprtHasCompleteGroup(const SprtCoefficientSet& set)
{
    if (set.zeroIsValue) return set.flags != 0;
    const auto both = [](double a, double b) { return a != 0 && b != 0; };
    return both(set.a4, set.b4) || both(set.a5, set.b5) || both(set.a7, set.b7) || both(set.a8, set.b8) ||
           both(set.a9, set.b9) || set.a10 != 0 || set.a11 != 0;
}

namespace {

// R(TPW) of zero or less, or a resistance of zero or less, is no thermometer: out of range throughout.
SprtConversion Unphysical(double t, double r)
{
    return {t, r, kNotANumber, kNotANumber, kNotANumber};
}

}  // namespace

std::optional<SprtConversion> SprtFromTemperature(const SprtCoefficientSet& set, double rtp, double t)
{
    if (rtp == 0 || !SprtHasCompleteGroup(set)) return std::nullopt;
    if (!(rtp > 0) || t < kAbsoluteZeroCelsius) return Unphysical(t, kNotANumber);
    const Group group = GroupAt(set, t);
    const double w = RatioInGroup(set, group, t);
    return WithSlopes(set, group, rtp, t, rtp * w, w);
}

std::optional<SprtConversion> SprtFromResistance(const SprtCoefficientSet& set, double rtp, double r)
{
    if (rtp == 0 || !SprtHasCompleteGroup(set)) return std::nullopt;
    if (!(rtp > 0) || !(r > 0)) return Unphysical(kNotANumber, r);
    const Inversion inversion = Invert(set, r / rtp);
    const double w = std::isnan(inversion.t) ? kNotANumber : RatioInGroup(set, inversion.group, inversion.t);
    return WithSlopes(set, inversion.group, rtp, inversion.t, r, w);
}

}  // namespace tmcalc
