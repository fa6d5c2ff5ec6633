#pragma once

#include "resources/string_table.h"
#include "rtd/sprt.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tmcalc {

// SPRT calibration data as an "ITS-90 Compact" string, short enough for a QR code:
//
//   qt90://<sub-range>/<points>[/<coefficients>]
//
// Points are separated by "_", coefficients by "_". A point is T~u(T)K R[~u(R)]: T90 in kelvin (or one of
// the twelve fixed-point letters for its assigned value) with its uncertainty in kelvin, then the
// resistance in ohms with an optional uncertainty. Numbers are [-]digits[.digits][E(+|-)digits].
//
// The reader is strict: only the prefixed form (lower case "qt90://"), no leading "+", no ".5" or "5.",
// no lower-case "e" or unsigned exponent, no spaces inside; surrounding white space and percent-escapes
// (%7E for ~, as a URL may carry them) are undone first. Points must belong to the sub-range (numeric
// temperatures that are no fixed point only in sub-range 1, at most two), each fixed point at most once,
// the water triple point always; a string with one point and coefficients must have the water point
// alone; the coefficient count is the sub-range's own (sub-range 1: a, b, c1..c5; 6: a, b, c, d).

struct Qt90Point {
    char letter = 0;       // the fixed point's letter, also for a number equal to its assigned T90; 0 for none
    bool numeric = false;  // the temperature was written as a number
    double kelvin = 0.0;
    double kelvinUncertainty = 0.0;
    double ohms = 0.0;
    std::optional<double> ohmsUncertainty;
};

struct Qt90Certificate {
    int subRange = 0;  // 1-11
    std::vector<Qt90Point> points;
    std::vector<double> coefficients;  // in the order a, b, c (c1, c2, ...), d; empty when only points came
};

// What is wrong, one code per reason a reader refuses.
enum class Qt90Fault {
    NotThisFormat,             // no "qt90://" prefix
    BadSubRange,               // not one of 1-11 written plainly
    BadSections,               // not one or two non-empty sections after the sub-range
    NoTemperatureUncertainty,  // no "~" after the temperature
    OneK,                      // not exactly one "K" in a point
    WrongSeparator,            // "+" or "±" where "~" belongs
    DecimalComma,              // "," in a number
    UnknownLetter,             // a letter that is no fixed point (lower case included)
    BadNumber,                 // outside the number grammar
    OutOfLimits,               // T or R not above zero, a negative uncertainty, an overflow
    EmptyItem,                 // "__", or "_" at either end
    CoefficientCount,          // not the sub-range's number of coefficients
    NotWaterPoint,             // one point with coefficients, and it is not the water triple point
    NoWaterPoint,              // no water triple point
    PointNotOfRange,           // a fixed point the sub-range does not use
    RepeatedPoint,             // the same fixed point twice
    SubRangeNotCarried,        // (thermometer) sub-ranges 1, 2, 3 and 6 have no deviation function here
    FitFailed,                 // (thermometer) points alone gave no finite coefficients
    RtpDiffers,                // (thermometer) two strings with different water-point resistances
};

enum class Qt90Part { Prefix, SubRange, Sections, Point, Coefficient, Coefficients };

struct Qt90Error {
    Qt90Part part = Qt90Part::Prefix;
    int index = 0;  // 1-based point or coefficient number
    Qt90Fault fault = Qt90Fault::NotThisFormat;
    std::string fragment;  // the text of the part at fault
    int subRange = 0;      // for the messages that name it
    int expected = 0;      // the coefficient count the sub-range takes
};

struct Qt90Read {
    std::optional<Qt90Certificate> certificate;
    Qt90Error error;  // when there is no certificate
};

[[nodiscard]] Qt90Read ReadQt90(std::string_view text);

// The string of a certificate: letters where the point has one and was not given as a number, every
// number as the shortest text that reads back as the same double.
[[nodiscard]] std::string WriteQt90(const Qt90Certificate& certificate);

// A number as the strings write it (also what a standard made from a string stores).
[[nodiscard]] std::string Qt90NumberText(double value);

// "point 2 (505.078+0.012K188.9427~0.006): + and ± do not separate an uncertainty; ~ does"
[[nodiscard]] std::string Qt90ErrorText(const Qt90Error& error, Language language);

// The sub-ranges: coefficient count and the fixed-point letters calibration uses.
struct Qt90SubRange {
    int coefficientCount = 0;
    std::string_view letters;
};
[[nodiscard]] const Qt90SubRange& Qt90SubRangeInfo(int subRange);  // 1-11
// T90 in kelvin of a fixed-point letter, NaN for none.
[[nodiscard]] double Qt90LetterKelvin(char letter);

// A thermometer as the SPRT pages and standards hold it: R(TPW) and one upper and/or one lower group.
struct Qt90Thermometer {
    double rtp = 0.0;
    SprtRangeCodes codes;
    std::array<double, 3> upper{};
    std::array<double, 2> lower{};
};

struct Qt90ThermometerRead {
    std::optional<Qt90Thermometer> thermometer;
    std::vector<Qt90Certificate> certificates;  // the strings read, in order
    Qt90Error error;
};

// One thermometer from one or more certificates (one per line of `text`, blank lines skipped; an upper
// and a lower group may come from two strings). R(TPW) is the water point's resistance; coefficients are
// fitted to the points where the string carries none.
[[nodiscard]] Qt90ThermometerRead ThermometerFromQt90(std::string_view text);

// The range text "low~high" a standard stores for the groups (the SprtRangeClasses reading gives them back).
[[nodiscard]] std::string Qt90RangeText(SprtRangeCodes codes);

// One certificate per group the thermometer carries (upper first), each with the water point alone
// (uncertainty 0: the standard keeps none) and the group's coefficients.
[[nodiscard]] std::vector<Qt90Certificate> Qt90FromThermometer(const Qt90Thermometer& thermometer);

// The strings to give for a thermometer: the ones it was made from (`stored`, separated by white space)
// while they still give exactly this thermometer, otherwise Qt90FromThermometer's.
[[nodiscard]] std::vector<std::string> Qt90StringsOf(const Qt90Thermometer& thermometer, std::string_view stored);

// What a standard keeps of the strings it was made from: each as WriteQt90 writes it, separated by spaces.
[[nodiscard]] std::string Qt90StoredText(const std::vector<Qt90Certificate>& certificates);

// The sub-range of an upper or lower group code, 0 for none.
[[nodiscard]] int Qt90SubRangeOfUpper(int code);
[[nodiscard]] int Qt90SubRangeOfLower(int code);

}  // namespace tmcalc
