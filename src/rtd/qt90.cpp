#include "rtd/qt90.h"

#include "resources/string_ids.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <limits>
#include <system_error>

// The format is "ITS-90 Compact v1.0" (ELOWRO, ITS-90-SPRT-Calibration-Data-Format, README and schema,
// 2021); the sub-ranges' coefficients and calibration points are those of the ITS-90 text, Preston-Thomas,
// Metrologia 27 (1990) 3-10, Tables 1 and 5.

namespace tmcalc {
namespace {

constexpr std::string_view kPrefix = "qt90://";

struct Letter {
    char letter;
    double kelvin;
};
// ITS-90 Table 1: e-H2, Ne, O2, Ar and Hg triple points, water triple point, Ga melting point, In, Sn, Zn,
// Al and Ag freezing points.
constexpr Letter kLetters[] = {{'H', 13.8033},  {'N', 24.5561}, {'O', 54.3584},  {'R', 83.8058},
                               {'M', 234.3156}, {'W', 273.16},  {'G', 302.9146}, {'I', 429.7485},
                               {'T', 505.078},  {'Z', 692.677}, {'L', 933.473},  {'S', 1234.93}};

// ITS-90 Table 5, sub-ranges 1-11.
constexpr Qt90SubRange kSubRanges[] = {{7, "HNORMW"}, {5, "HNORMW"}, {3, "ORMW"}, {2, "RMW"},
                                       {2, "MWG"},    {4, "WTZLS"},  {3, "WTZL"}, {2, "WTZ"},
                                       {2, "WIT"},    {1, "WI"},     {1, "WG"}};
constexpr Qt90SubRange kNoSubRange{};

// A numeric temperature names a fixed point when it is the assigned value as printed (four decimals).
constexpr double kSameFixedPoint = 5e-5;  // K

// Sub-ranges of the upper groups (a7.., a8.., a9.., a10, a11) and the lower ones (a4/b4, a5/b5).
constexpr int kUpperSubRanges[] = {7, 8, 9, 10, 11};
constexpr int kLowerSubRanges[] = {4, 5};

char LetterOf(SprtFixedPointId id)
{
    switch (id) {
        case SprtFixedPointId::Argon:
            return 'R';
        case SprtFixedPointId::Mercury:
            return 'M';
        case SprtFixedPointId::Gallium:
            return 'G';
        case SprtFixedPointId::Indium:
            return 'I';
        case SprtFixedPointId::Tin:
            return 'T';
        case SprtFixedPointId::Zinc:
            return 'Z';
        case SprtFixedPointId::Aluminium:
            return 'L';
    }
    return 0;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether `text` is a whole number of the grammar [-]d+[.d+][E(+|-)d+].
bool FollowsNumberGrammar(std::string_view text)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        return i > from;
    };
    if (i < text.size() && text[i] == '-') ++i;
    if (!digits()) return false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!digits()) return false;
    }
    if (i < text.size() && text[i] == 'E') {
        ++i;
        if (i >= text.size() || (text[i] != '+' && text[i] != '-')) return false;
        ++i;
        if (!digits()) return false;
    }
    return i == text.size();
}

// The fault of a text that should be a number, or nothing and its value.
std::optional<Qt90Fault> ReadNumber(std::string_view text, double& value)
{
    if (text.find(',') != std::string_view::npos) return Qt90Fault::DecimalComma;
    if (!FollowsNumberGrammar(text)) return Qt90Fault::BadNumber;
    // from_chars needs no locale; an exponent it cannot represent comes back as out of range.
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), 'E', 'e');
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) return Qt90Fault::OutOfLimits;
    if (ec != std::errc() || end != plain.data() + plain.size()) return Qt90Fault::BadNumber;
    return std::nullopt;
}

// The shortest digits that read back as the same double: fixed from 0.001 up to 1e7, otherwise with an
// exponent written "E-04" as the format's examples write it.
std::string WriteNumber(double value)
{
    std::array<char, 64> buffer{};
    const double size = std::fabs(value);
    const bool fixed = value == 0 || (size >= 1e-3 && size < 1e7);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      fixed ? std::chars_format::fixed : std::chars_format::scientific);
    std::string text(buffer.data(), result.ptr);
    const std::size_t e = text.find('e');
    if (e != std::string::npos) text[e] = 'E';  // to_chars always signs the exponent
    return text;
}

// "%1".."%3" of `pattern` replaced in one pass, so a value holding "%2" stays as it is.
std::string Substitute(std::string_view pattern, std::initializer_list<std::string> values)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n =
            i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
        if (pattern[i] == '%' && n < values.size()) {
            out += *(values.begin() + n);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

// Percent-escapes undone; a "%" not followed by two hexadecimal digits stays.
std::string Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    const auto hex = [](char c) {
        return IsDigit(c)             ? c - '0'
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                      : -1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string_view Trimmed(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

struct Reader {
    Qt90Error error;

    bool Fail(Qt90Part part, int index, Qt90Fault fault, std::string_view fragment)
    {
        error.part = part;
        error.index = index;
        error.fault = fault;
        error.fragment = std::string(fragment);
        return false;
    }

    // A value with an optional "~uncertainty", both numbers.
    bool ReadValue(std::string_view text, int index, std::string_view point, double& value, double* uncertainty,
                   bool& hasUncertainty)
    {
        const std::size_t tilde = text.find('~');
        hasUncertainty = tilde != std::string_view::npos;
        const std::string_view main = text.substr(0, tilde);
        if (auto fault = ReadNumber(main, value)) return Fail(Qt90Part::Point, index, *fault, point);
        if (hasUncertainty) {
            if (auto fault = ReadNumber(text.substr(tilde + 1), *uncertainty))
                return Fail(Qt90Part::Point, index, *fault, point);
        }
        return true;
    }

    bool ReadPoint(std::string_view text, int index, Qt90Point& point)
    {
        if (text.empty()) return Fail(Qt90Part::Point, index, Qt90Fault::EmptyItem, text);
        if (text.find("\xC2\xB1") != std::string_view::npos)
            return Fail(Qt90Part::Point, index, Qt90Fault::WrongSeparator, text);
        const std::size_t k = text.find('K');
        if (k == std::string_view::npos || text.find('K', k + 1) != std::string_view::npos ||
            text.find('k') != std::string_view::npos) {
            return Fail(Qt90Part::Point, index, Qt90Fault::OneK, text);
        }
        const std::string_view temperature = text.substr(0, k);
        const std::string_view resistance = text.substr(k + 1);
        const std::size_t tilde = temperature.find('~');
        if (tilde == std::string_view::npos) {
            // "505.078+0.012": the README's own slip; a "+" right after an "E" belongs to the exponent.
            for (std::size_t i = 1; i < temperature.size(); ++i) {
                if (temperature[i] == '+' && temperature[i - 1] != 'E')
                    return Fail(Qt90Part::Point, index, Qt90Fault::WrongSeparator, text);
            }
            return Fail(Qt90Part::Point, index, Qt90Fault::NoTemperatureUncertainty, text);
        }
        const std::string_view value = temperature.substr(0, tilde);
        if (value.size() == 1 && ((value[0] >= 'A' && value[0] <= 'Z') || (value[0] >= 'a' && value[0] <= 'z'))) {
            point.letter = value[0];
            point.kelvin = Qt90LetterKelvin(value[0]);
            if (std::isnan(point.kelvin)) return Fail(Qt90Part::Point, index, Qt90Fault::UnknownLetter, text);
        } else {
            point.numeric = true;
            if (auto fault = ReadNumber(value, point.kelvin)) return Fail(Qt90Part::Point, index, *fault, text);
            for (const Letter& l : kLetters) {
                if (std::fabs(point.kelvin - l.kelvin) < kSameFixedPoint) point.letter = l.letter;
            }
        }
        if (auto fault = ReadNumber(temperature.substr(tilde + 1), point.kelvinUncertainty))
            return Fail(Qt90Part::Point, index, *fault, text);
        double ohmsUncertainty = 0;
        bool hasOhmsUncertainty = false;
        if (!ReadValue(resistance, index, text, point.ohms, &ohmsUncertainty, hasOhmsUncertainty)) return false;
        if (hasOhmsUncertainty) point.ohmsUncertainty = ohmsUncertainty;
        const bool finite = std::isfinite(point.kelvin) && std::isfinite(point.kelvinUncertainty) &&
                            std::isfinite(point.ohms) && std::isfinite(ohmsUncertainty);
        if (!finite || !(point.kelvin > 0) || !(point.ohms > 0) || point.kelvinUncertainty < 0 ||
            ohmsUncertainty < 0)
            return Fail(Qt90Part::Point, index, Qt90Fault::OutOfLimits, text);
        return true;
    }
};

const Letter* FindLetter(char letter)
{
    for (const Letter& l : kLetters) {
        if (l.letter == letter) return &l;
    }
    return nullptr;
}

}  // namespace

double Qt90LetterKelvin(char letter)
{
    const Letter* l = FindLetter(letter);
    return l != nullptr ? l->kelvin : std::numeric_limits<double>::quiet_NaN();
}

const Qt90SubRange& Qt90SubRangeInfo(int subRange)
{
    return subRange >= 1 && subRange <= 11 ? kSubRanges[subRange - 1] : kNoSubRange;
}

Qt90Read ReadQt90(std::string_view input)
{
    Reader r;
    const std::string unescaped = Unescape(Trimmed(input));
    const std::string_view text = unescaped;
    if (text.substr(0, kPrefix.size()) != kPrefix) {
        r.Fail(Qt90Part::Prefix, 0, Qt90Fault::NotThisFormat, text.substr(0, text.find('/')));
        return {std::nullopt, r.error};
    }
    const std::string_view body = text.substr(kPrefix.size());
    const std::vector<std::string_view> sections = Split(body, '/');
    Qt90Certificate cert;
    const std::string_view range = sections[0];
    const bool plain =
        !range.empty() && range.size() <= 2 && std::all_of(range.begin(), range.end(), IsDigit) && range[0] != '0';
    cert.subRange = plain ? std::stoi(std::string(range)) : 0;
    if (cert.subRange < 1 || cert.subRange > 11) {
        r.Fail(Qt90Part::SubRange, 0, Qt90Fault::BadSubRange, range);
        return {std::nullopt, r.error};
    }
    r.error.subRange = cert.subRange;
    if (sections.size() < 2 || sections.size() > 3 ||
        std::any_of(sections.begin() + 1, sections.end(), [](std::string_view s) { return s.empty(); })) {
        r.Fail(Qt90Part::Sections, 0, Qt90Fault::BadSections, body);
        return {std::nullopt, r.error};
    }
    const std::vector<std::string_view> points = Split(sections[1], '_');
    for (std::size_t i = 0; i < points.size(); ++i) {
        Qt90Point point;
        if (!r.ReadPoint(points[i], static_cast<int>(i) + 1, point)) return {std::nullopt, r.error};
        cert.points.push_back(point);
    }
    if (sections.size() == 3) {
        const std::vector<std::string_view> coefficients = Split(sections[2], '_');
        for (std::size_t i = 0; i < coefficients.size(); ++i) {
            const int index = static_cast<int>(i) + 1;
            double value = 0;
            if (coefficients[i].empty()) {
                r.Fail(Qt90Part::Coefficient, index, Qt90Fault::EmptyItem, coefficients[i]);
                return {std::nullopt, r.error};
            }
            std::optional<Qt90Fault> fault = ReadNumber(coefficients[i], value);
            if (!fault && !std::isfinite(value)) fault = Qt90Fault::OutOfLimits;
            if (fault) {
                r.Fail(Qt90Part::Coefficient, index, *fault, coefficients[i]);
                return {std::nullopt, r.error};
            }
            cert.coefficients.push_back(value);
        }
        const int count = Qt90SubRangeInfo(cert.subRange).coefficientCount;
        if (static_cast<int>(cert.coefficients.size()) != count) {
            r.error.expected = count;
            r.Fail(Qt90Part::Coefficients, 0, Qt90Fault::CoefficientCount, sections[2]);
            return {std::nullopt, r.error};
        }
    }
    // The points must make a calibration of this sub-range.
    const std::string_view letters = Qt90SubRangeInfo(cert.subRange).letters;
    int others = 0;
    bool water = false;
    for (std::size_t i = 0; i < cert.points.size(); ++i) {
        const Qt90Point& p = cert.points[i];
        const int index = static_cast<int>(i) + 1;
        const bool used =
            p.letter != 0 ? letters.find(p.letter) != std::string_view::npos : cert.subRange == 1 && ++others <= 2;
        if (!used) {
            r.Fail(Qt90Part::Point, index, Qt90Fault::PointNotOfRange, points[i]);
            return {std::nullopt, r.error};
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (p.letter != 0 && cert.points[j].letter == p.letter) {
                r.Fail(Qt90Part::Point, index, Qt90Fault::RepeatedPoint, points[i]);
                return {std::nullopt, r.error};
            }
        }
        water = water || p.letter == 'W';
    }
    if (cert.points.size() == 1 && !cert.coefficients.empty() && !water) {
        r.Fail(Qt90Part::Point, 1, Qt90Fault::NotWaterPoint, points[0]);
        return {std::nullopt, r.error};
    }
    if (!water) {
        r.Fail(Qt90Part::Sections, 0, Qt90Fault::NoWaterPoint, sections[1]);
        return {std::nullopt, r.error};
    }
    return {cert, {}};
}

std::string WriteQt90(const Qt90Certificate& certificate)
{
    std::string out(kPrefix);
    out += std::to_string(certificate.subRange);
    out += '/';
    for (std::size_t i = 0; i < certificate.points.size(); ++i) {
        const Qt90Point& p = certificate.points[i];
        if (i > 0) out += '_';
        out += p.letter != 0 && !p.numeric ? std::string(1, p.letter) : WriteNumber(p.kelvin);
        out += '~' + WriteNumber(p.kelvinUncertainty) + 'K' + WriteNumber(p.ohms);
        if (p.ohmsUncertainty) out += '~' + WriteNumber(*p.ohmsUncertainty);
    }
    if (!certificate.coefficients.empty()) {
        out += '/';
        for (std::size_t i = 0; i < certificate.coefficients.size(); ++i) {
            if (i > 0) out += '_';
            out += WriteNumber(certificate.coefficients[i]);
        }
    }
    return out;
}

std::string Qt90NumberText(double value)
{
    return WriteNumber(value);
}

std::string Qt90ErrorText(const Qt90Error& error, Language language)
{
    const auto text = [language](int id) { return std::string(LoadString(id, language)); };
    std::string part;
    switch (error.part) {
        case Qt90Part::Prefix:
            part = text(kStrQt90PartPrefix);
            break;
        case Qt90Part::SubRange:
            part = text(kStrQt90PartSubRange);
            break;
        case Qt90Part::Sections:
            part = text(kStrQt90PartSections);
            break;
        case Qt90Part::Point:
            part = Substitute(text(kStrQt90PartPoint), {std::to_string(error.index)});
            break;
        case Qt90Part::Coefficient:
            part = Substitute(text(kStrQt90PartCoefficient), {std::to_string(error.index)});
            break;
        case Qt90Part::Coefficients:
            part = text(kStrQt90PartCoefficients);
            break;
    }
    constexpr int kReasons[] = {kStrQt90NotThisFormat,
                                kStrQt90BadSubRange,
                                kStrQt90BadSections,
                                kStrQt90NoTemperatureUncertainty,
                                kStrQt90OneK,
                                kStrQt90WrongSeparator,
                                kStrQt90DecimalComma,
                                kStrQt90UnknownLetter,
                                kStrQt90BadNumber,
                                kStrQt90OutOfLimits,
                                kStrQt90EmptyItem,
                                kStrQt90CoefficientCount,
                                kStrQt90NotWaterPoint,
                                kStrQt90NoWaterPoint,
                                kStrQt90PointNotOfRange,
                                kStrQt90RepeatedPoint,
                                kStrQt90SubRangeNotCarried,
                                kStrQt90FitFailed,
                                kStrQt90RtpDiffers};
    const std::string reason = Substitute(text(kReasons[static_cast<int>(error.fault)]),
                                          {std::to_string(error.subRange), std::to_string(error.expected)});
    return Substitute(text(kStrQt90ErrorPattern), {part, error.fragment, reason});
}

int Qt90SubRangeOfUpper(int code)
{
    return code >= 0 && code < 5 ? kUpperSubRanges[code] : 0;
}
int Qt90SubRangeOfLower(int code)
{
    return code >= 0 && code < 2 ? kLowerSubRanges[code] : 0;
}

Qt90ThermometerRead ThermometerFromQt90(std::string_view text)
{
    Qt90Thermometer thermometer;
    std::vector<Qt90Certificate> certificates;
    bool any = false;
    for (std::string_view line : Split(text, '\n')) {
        if (Trimmed(line).empty()) continue;
        const Qt90Read read = ReadQt90(line);
        if (!read.certificate) return {std::nullopt, {}, read.error};
        const Qt90Certificate& cert = *read.certificate;
        certificates.push_back(cert);
        Qt90Error error;
        error.part = Qt90Part::SubRange;
        error.fragment = std::to_string(cert.subRange);
        error.subRange = cert.subRange;
        const int* upper = std::find(std::begin(kUpperSubRanges), std::end(kUpperSubRanges), cert.subRange);
        const int* lower = std::find(std::begin(kLowerSubRanges), std::end(kLowerSubRanges), cert.subRange);
        const bool isUpper = upper != std::end(kUpperSubRanges);
        const bool isLower = lower != std::end(kLowerSubRanges);
        // A second string for a side already filled is refused like a sub-range this program lacks.
        if ((!isUpper && !isLower) || (isUpper && thermometer.codes.upper != 5) ||
            (isLower && thermometer.codes.lower != 2)) {
            error.fault = Qt90Fault::SubRangeNotCarried;
            return {std::nullopt, {}, error};
        }
        const int code = isUpper ? static_cast<int>(upper - std::begin(kUpperSubRanges))
                                 : static_cast<int>(lower - std::begin(kLowerSubRanges));
        const auto resistanceAt = [&cert](char letter) {
            for (const Qt90Point& p : cert.points) {
                if (p.letter == letter) return p.ohms;
            }
            return std::numeric_limits<double>::quiet_NaN();
        };
        if (any && resistanceAt('W') != thermometer.rtp) {
            error.part = Qt90Part::Sections;
            error.fault = Qt90Fault::RtpDiffers;
            return {std::nullopt, {}, error};
        }
        thermometer.rtp = resistanceAt('W');
        const SprtGroupInfo& group = isUpper ? SprtUpperGroup(code) : SprtLowerGroup(code);
        std::array<double, 3> coefficients{};
        if (!cert.coefficients.empty()) {
            std::copy(cert.coefficients.begin(), cert.coefficients.end(), coefficients.begin());
        } else {
            std::array<double, 3> r{};
            for (int i = 0; i < group.point_count; ++i)
                r[static_cast<std::size_t>(i)] =
                    resistanceAt(LetterOf(group.points[static_cast<std::size_t>(i)].id));
            const SprtFit fit = isUpper
                                    ? FitSprtUpper(code, thermometer.rtp, std::span(r).first(group.point_count))
                                    : FitSprtLower(code, thermometer.rtp, r[0], r[1]);
            const bool finite = std::all_of(fit.coefficients.begin(), fit.coefficients.end(),
                                            [](double c) { return std::isfinite(c); });
            if (fit.count != group.coefficient_count || !finite) {
                error.part = Qt90Part::Sections;
                error.fault = Qt90Fault::FitFailed;
                return {std::nullopt, {}, error};
            }
            coefficients = fit.coefficients;
        }
        if (isUpper) {
            thermometer.codes.upper = code;
            thermometer.upper = coefficients;
        } else {
            thermometer.codes.lower = code;
            thermometer.lower = {coefficients[0], coefficients[1]};
        }
        any = true;
    }
    if (!any) {
        Qt90Error error;
        error.fragment = std::string(Trimmed(text).substr(0, 20));
        return {std::nullopt, {}, error};
    }
    return {thermometer, certificates, {}};
}

std::string Qt90RangeText(SprtRangeCodes codes)
{
    constexpr const char* kLow[] = {"-189.3442", "-38.8344"};
    constexpr const char* kHigh[] = {"660.323", "419.527", "231.928", "156.5985", "29.7646"};
    const std::string low = codes.lower >= 0 && codes.lower < 2 ? kLow[codes.lower] : "0";
    const std::string high = codes.upper >= 0 && codes.upper < 5 ? kHigh[codes.upper] : "0";
    return low + "~" + high;
}

std::vector<Qt90Certificate> Qt90FromThermometer(const Qt90Thermometer& thermometer)
{
    std::vector<Qt90Certificate> out;
    Qt90Point water;
    water.letter = 'W';
    water.kelvin = Qt90LetterKelvin('W');
    water.ohms = thermometer.rtp;
    const auto add = [&](int subRange, const double* coefficients) {
        Qt90Certificate cert{subRange, {water}, {}};
        const int count = Qt90SubRangeInfo(subRange).coefficientCount;
        cert.coefficients.assign(coefficients, coefficients + count);
        out.push_back(cert);
    };
    if (const int upper = Qt90SubRangeOfUpper(thermometer.codes.upper)) add(upper, thermometer.upper.data());
    if (const int lower = Qt90SubRangeOfLower(thermometer.codes.lower)) add(lower, thermometer.lower.data());
    return out;
}

std::vector<std::string> Qt90StringsOf(const Qt90Thermometer& thermometer, std::string_view stored)
{
    std::string lines(stored);
    std::replace(lines.begin(), lines.end(), ' ', '\n');
    const Qt90ThermometerRead read = ThermometerFromQt90(lines);
    const auto same = [&thermometer](const Qt90Thermometer& t) {
        return t.rtp == thermometer.rtp && t.codes.upper == thermometer.codes.upper &&
               t.codes.lower == thermometer.codes.lower && t.upper == thermometer.upper &&
               t.lower == thermometer.lower;
    };
    const std::vector<Qt90Certificate> certificates =
        read.thermometer && same(*read.thermometer) ? read.certificates : Qt90FromThermometer(thermometer);
    std::vector<std::string> out;
    out.reserve(certificates.size());
    for (const Qt90Certificate& c : certificates) out.push_back(WriteQt90(c));
    return out;
}

std::string Qt90StoredText(const std::vector<Qt90Certificate>& certificates)
{
    std::string out;
    for (const Qt90Certificate& c : certificates) {
        if (!out.empty()) out += ' ';
        out += WriteQt90(c);
    }
    return out;
}

}  // namespace tmcalc
