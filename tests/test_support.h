#pragma once
// What the tests share: NaN and infinity, names for the rows of parameterised tables, and tables of
// named rows of a value computed and the value it must be.

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>

namespace tmcalc::test {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();

// Names each instance of a parameterised test after its row's `name`.
struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return std::string(info.param.name);
    }
};

// An expected NaN wants a NaN, a tolerance of 0 the very same double (infinities included).
struct ValueRow { const char* name; double got, want, tol = 0; };

inline void ExpectRows(std::initializer_list<ValueRow> rows)
{
    for (const ValueRow& row : rows) {
        if (std::isnan(row.want)) {
            EXPECT_TRUE(std::isnan(row.got)) << row.name << ": " << row.got;
        } else if (row.tol == 0) {
            EXPECT_EQ(row.got, row.want) << row.name;
        } else {
            EXPECT_NEAR(row.got, row.want, row.tol) << row.name;
        }
    }
}

// f gives NaN for every input.
template <typename F>
void ExpectNaN(F f, std::initializer_list<double> inputs)
{
    for (double x : inputs) EXPECT_TRUE(std::isnan(f(x))) << "input " << x << " gave " << f(x);
}

// A band screen: every `shown` input comes back as it is, every `rejected` one as NaN.
template <typename F>
void ExpectBand(F f, std::initializer_list<double> shown, std::initializer_list<double> rejected)
{
    for (double x : shown) EXPECT_EQ(f(x), x);
    ExpectNaN(f, rejected);
}

// A central difference over 2e-3 °C: no truncation error to speak of here, rounding ~1e-13 of f per °C.
template <typename F>
double NumericSlope(F f, double t)
{
    return (f(t + 1e-3) - f(t - 1e-3)) / 2e-3;
}

}  // namespace tmcalc::test
