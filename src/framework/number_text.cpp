#include "framework/number_text.h"

#include "resources/string_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace tmcalc {
namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool EqualsIgnoreCase(std::string_view text, std::size_t pos, std::string_view word)
{
    if (text.size() - pos < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = text[pos + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return true;
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The Latin-1 prefix of the text: the number ends at the first character that has no single-byte form.
std::string Latin1Prefix(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c > 0xFF || c == 0) break;
        out.push_back(static_cast<char>(static_cast<unsigned char>(c)));
    }
    return out;
}

// The exponent of the first nonzero digit of a number text without its sign ("123.4e5" -> 7; for a
// hexadecimal mantissa without its "0x", in powers of two: "1.8p3" -> 3), for texts whose value lies
// outside the double range. `mantissaEnd` is where the exponent part starts.
long long LeadingMagnitude(std::string_view number, std::size_t mantissaEnd, bool hex)
{
    const std::string_view mantissa = number.substr(0, mantissaEnd);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    long long magnitude = 0;
    for (std::size_t k = 0; k < mantissa.size(); ++k) {
        if (mantissa[k] == '.' || mantissa[k] == '0') continue;
        magnitude = k < point ? static_cast<long long>(point - k) - 1 : -static_cast<long long>(k - point);
        break;
    }
    long long exp10 = 0;
    std::size_t k = mantissaEnd + 1;
    bool negative = false;
    if (k < number.size() && (number[k] == '+' || number[k] == '-')) negative = number[k++] == '-';
    for (; k < number.size(); ++k) {
        if (exp10 < 1000000) exp10 = exp10 * 10 + (number[k] - '0');  // far beyond any double exponent
    }
    return (hex ? 4 * magnitude : magnitude) + (negative ? -exp10 : exp10);
}

// strtod's grammar in the C locale: leading white space, sign, then infinity / nan(...) / hexadecimal /
// decimal. Returns the value and how many characters form the number (0 when none do). Implemented on
// std::from_chars, which never looks at the process locale.
struct Parsed {
    double value = 0.0;
    std::size_t length = 0;
};

// Where a number ends whose mantissa ends at j: after an exponent part (the letter `letter` in either
// case, an optional sign and at least one digit) if one follows, else at j.
std::size_t ExponentEnd(std::string_view s, std::size_t j, char letter)
{
    if (j >= s.size() || (s[j] != letter && s[j] != letter - 'a' + 'A')) return j;
    std::size_t k = j + 1;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    if (k >= s.size() || !IsDigit(s[k])) return j;
    while (k < s.size() && IsDigit(s[k])) ++k;
    return k;
}

Parsed ParseCNumber(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && IsCSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const auto sign = [negative](double v) { return negative ? -v : v; };

    if (EqualsIgnoreCase(s, i, "inf")) {
        std::size_t end = i + 3;
        if (EqualsIgnoreCase(s, i, "infinity")) end = i + 8;
        return {sign(std::numeric_limits<double>::infinity()), end};
    }
    if (EqualsIgnoreCase(s, i, "nan")) {
        std::size_t end = i + 3;
        if (end < s.size() && s[end] == '(') {
            std::size_t j = end + 1;
            while (j < s.size() && (IsDigit(s[j]) || (s[j] >= 'a' && s[j] <= 'z') || (s[j] >= 'A' && s[j] <= 'Z') ||
                                    s[j] == '_'))
                ++j;
            if (j < s.size() && s[j] == ')') end = j + 1;
        }
        return {sign(std::numeric_limits<double>::quiet_NaN()), end};
    }

    const bool hex = i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X');
    if (hex) {
        // "0x" must be followed by a hexadecimal mantissa, otherwise only the "0" is a number.
        std::size_t j = i + 2;
        bool digits = false;
        while (j < s.size() && IsHexDigit(s[j])) { ++j; digits = true; }
        if (j < s.size() && s[j] == '.') {
            ++j;
            while (j < s.size() && IsHexDigit(s[j])) { ++j; digits = true; }
        }
        if (digits) {
            const std::size_t end = ExponentEnd(s, j, 'p');
            double v = 0.0;
            const auto r = std::from_chars(s.data() + i + 2, s.data() + end, v, std::chars_format::hex);
            if (r.ec == std::errc::result_out_of_range) {
                const std::string_view number = s.substr(i + 2, end - i - 2);
                v = LeadingMagnitude(number, std::min(number.find_first_of("pP"), number.size()), true) >= 0
                        ? std::numeric_limits<double>::infinity()
                        : 0.0;
            }
            return {sign(v), end};
        }
        return {sign(0.0), i + 1};
    }

    std::size_t j = i;
    bool digits = false;
    while (j < s.size() && IsDigit(s[j])) { ++j; digits = true; }
    if (j < s.size() && s[j] == '.') {
        ++j;
        while (j < s.size() && IsDigit(s[j])) { ++j; digits = true; }
    }
    if (!digits) return {0.0, 0};
    std::size_t mantissaEnd = j;
    const std::size_t end = ExponentEnd(s, j, 'e');
    double v = 0.0;
    const auto r = std::from_chars(s.data() + i, s.data() + end, v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow and underflow: tell them apart by the decimal
        // exponent of the first significant digit.
        v = LeadingMagnitude(s.substr(i, end - i), mantissaEnd - i, false) > 0
                ? std::numeric_limits<double>::infinity()
                : 0.0;
    }
    return {sign(v), end};
}

// Exact decimal powers 10^k for the range test of the fixed format.
double PowerOfTen(int k)
{
    std::array<char, 16> buf{};
    auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), k);
    (void)ec;
    std::string text = "1e";
    text.append(buf.data(), ptr);
    double v = 0.0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec == std::errc::result_out_of_range) return k > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return v;
}

std::string OutOfRangeText() { return std::string(LoadString(kStrOutOfRange)); }

}  // namespace

double ReadFieldValue(std::u16string_view text) { return ParseCNumber(Latin1Prefix(text)).value; }

CheckedValue ReadFieldValueChecked(std::u16string_view text)
{
    const Parsed p = ParseCNumber(Latin1Prefix(text));
    return {p.value, p.length > 0};
}

RangeText ReadRangeText(std::u16string_view text)
{
    const std::string latin = Latin1Prefix(text);
    const Parsed low = ParseCNumber(latin);
    RangeText range{{low.value, low.length > 0}, {}};
    // Past the end of the number there is a character only if the Latin-1 prefix went on; a character
    // above U+00FF ends the prefix but still separates, as it would in the wide text.
    const std::size_t highStart = low.length + 1;
    if (highStart > text.size()) return range;
    const Parsed high = ParseCNumber(Latin1Prefix(text.substr(highStart)));
    range.high = {high.value, high.length > 0};
    return range;
}

std::optional<std::string> FormatGeneral(double value, int digits)
{
    constexpr std::size_t kBufferSize = 32;
    if (digits < 1 || digits >= static_cast<int>(kBufferSize)) return std::nullopt;

    std::string out;
    if (std::signbit(value)) out.push_back('-');
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) {
        out += "inf";
        return out;
    }

    // Decimal digits of the value taken to `digits` significant digits, correctly rounded.
    std::array<char, 64> sci{};
    const auto r = std::to_chars(sci.data(), sci.data() + sci.size(), magnitude, std::chars_format::scientific,
                                 digits - 1);
    std::string_view text(sci.data(), static_cast<std::size_t>(r.ptr - sci.data()));
    const std::size_t ePos = text.find('e');
    std::string mantissa;
    for (char c : text.substr(0, ePos)) {
        if (c != '.') mantissa.push_back(c);
    }
    int e = 0;
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0), text.data() + text.size(), e);
    if (magnitude == 0.0) e = -1;  // zero counts as exponent -1: fixed notation with all decimals

    std::string body;
    if (e < -1 || e > digits - 1) {
        body.push_back(mantissa[0]);
        body.push_back('.');
        body.append(mantissa, 1);
        while (body.back() == '0') body.pop_back();
        body.push_back('e');
        body.push_back(e < 0 ? '-' : '+');
        std::string ex = std::to_string(e < 0 ? -e : e);
        while (ex.size() < 3) ex.insert(ex.begin(), '0');
        body += ex;
    } else {
        // Fixed notation with digits - (e + 1) decimals; the digits are those of the rounded mantissa.
        if (magnitude == 0.0) {
            body = "0.";
        } else if (e == -1) {
            body = "0." + mantissa;
        } else {
            body.assign(mantissa, 0, static_cast<std::size_t>(e) + 1);
            const std::string frac = mantissa.substr(static_cast<std::size_t>(e) + 1);
            if (!frac.empty()) body += "." + frac;
        }
        if (body.find('.') != std::string::npos) {
            while (body.back() == '0') body.pop_back();
        }
    }
    out += body;
    if (out.size() + 1 > kBufferSize) return std::nullopt;
    return out;
}

std::optional<std::string> FormatShowValue(int digits, int decimals, double value)
{
    if (std::isnan(value)) return OutOfRangeText();
    const double magnitude = std::fabs(value);
    if (magnitude >= PowerOfTen(-decimals) && magnitude < PowerOfTen(digits - decimals)) {
        std::array<char, 512> buf{};
        const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed, decimals);
        if (r.ec == std::errc()) return std::string(buf.data(), r.ptr);
        return std::nullopt;
    }
    return FormatGeneral(value, digits);
}

std::string FormatValueG(double value, int precision)
{
    if (std::isnan(value)) return OutOfRangeText();
    std::array<char, 512> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general,
                                 std::clamp(precision, 1, 300));
    return std::string(buf.data(), r.ptr);
}

}  // namespace tmcalc
