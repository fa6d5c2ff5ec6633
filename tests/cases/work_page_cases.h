#pragma once

// What the conversion and coefficient pages show after one typed value, shared by the page tests and the
// command line tests: a page (by its command and sensor), the inputs set before, the field typed with its
// text, and the texts the page then writes into the fields it computes. No Qt and no test framework here,
// so that either kind of test can take the rows.

#include <ostream>
#include <string_view>
#include <vector>

namespace tmcalc::cases {

// In `shown`: the page's out-of-range text (that of its language), and a text not checked.
inline constexpr const char* kOut = "OUT";
inline constexpr const char* kAny = "*";

// An input of the page set before the typing, named as the command line names its option.
struct Setting {
    const char* name;
    const char* text;
};

struct WorkPageCase {
    const char* name;
    const char* page;    // tc, rtd, stdtc, ntc, sprt, transmitter; fit pt|cu|ntc|stdtc for coefficient pages
    const char* sensor;  // the type or sensor ("K", "pt100"); empty where the page has only one
    std::vector<Setting> settings;
    const char* field;  // the field typed, by its option name ("temp", "emf", "res"); empty for a fit, which
                        // runs when its last input is set
    const char* typed;
    // The computed fields in the command's column order, '|' between: tc emf (or °C) and Seebeck
    // coefficient; rtd Ω (or °C) and slope; stdtc mV (or °C) and slope; ntc Ω (or °C); sprt Ω (or °C), W,
    // dW/dt, dR/dt; transmitter its other value; a fit its coefficients.
    const char* shown;
};

// Names rather than bytes in test listings.
inline void PrintTo(const WorkPageCase& c, std::ostream* out)
{
    *out << c.name;
}

inline std::vector<Setting> With(std::vector<Setting> settings, const std::vector<Setting>& more)
{
    settings.insert(settings.end(), more.begin(), more.end());
    return settings;
}

// The template standard's fixed points (mV); the NIST type B coefficients of 630.615 to 1820 °C (µV), typed
// as a0..a8; thermistor coefficients; an SPRT with Rtp 10 and every coefficient 1e-15.
inline const std::vector<Setting> kStdSTemplate{
    {"zn", "3.4472"}, {"al", "5.8605"}, {"cu", "10.5822"}, {"cold", "0"}};
inline const std::vector<Setting> kStdBHigh{{"mode", "high"},           {"a0", "-3893.8168621"},
                                            {"a1", "28.57174747"},      {"a2", "-0.084885104785"},
                                            {"a3", "0.00015785280164"}, {"a4", "-1.6835344864e-7"},
                                            {"a5", "1.1109794013e-10"}, {"a6", "-4.4515431033e-14"},
                                            {"a7", "9.8975640821e-18"}, {"a8", "-9.3791330289e-22"}};
inline const std::vector<Setting> kStdBHighCold0 = With(kStdBHigh, {{"cold", "0"}});
inline const std::vector<Setting> kStdBHighCold20 = With(kStdBHigh, {{"cold", "20"}});
inline const std::vector<Setting> kNtcSh{
    {"mode", "sh"}, {"A", "1.129148e-3"}, {"B", "2.34125e-4"}, {"C", "8.76741e-8"}};
inline const std::vector<Setting> kNtcExt{
    {"mode", "ext"}, {"A", "1.129148e-3"}, {"B", "2.34125e-4"}, {"C", "1e-6"}, {"D", "8e-8"}};
inline const std::vector<Setting> kSprtA11A5B5{
    {"range", "-38.8344~29.7647"}, {"rtp", "10"}, {"a11", "1e-15"}, {"a5", "1e-15"}, {"b5", "1e-15"}};
inline const std::vector<Setting> kSprtA8B8{
    {"range", "0~419.527"}, {"rtp", "10"}, {"a8", "1e-15"}, {"b8", "1e-15"}};

// Published values the rows reproduce: NIST ITS-90 thermocouple tables (type K 41.276 mV at 1000 °C,
// 0.798 mV at 20 °C, 0.477 mV at 12 °C; type S 18.693 mV at 1768 °C; type R 21.101 mV at 1768 °C);
// IEC 60751 (Pt100 138.5055 Ω at 100 °C, 18.5201 Ω at -200 °C); the NIST type B polynomial of 630.615 to
// 1820 °C (4.834 mV at 1000 °C).
// clang-format off
inline const std::vector<WorkPageCase> kWorkPageCases{
    // Working thermocouples (7 digits).
    {"K1000", "tc", "K", {{"cold", "0"}}, "temp", "1000", "41.27561|38.98138"},
    {"KBackFromItsEmf", "tc", "K", {{"cold", "0"}}, "emf", "41.27561", "999.9772|38.98162"},
    {"K1000Cold20", "tc", "K", {{"cold", "20"}}, "temp", "1000", "40.47749|38.98138"},
    {"KEmfCold20", "tc", "K", {{"cold", "20"}}, "emf", "41.27561", "1020.507|38.76283"},
    {"KEmf10", "tc", "K", {{"cold", "0"}}, "emf", "10", "246.222|*"},
    {"KJunkAfterTheNumber", "tc", "K", {{"cold", "0"}}, "temp", "12abc", "0.4767774|*"},
    {"KEmfJunkAfterTheNumber", "tc", "K", {{"cold", "0"}}, "emf", "4.096xxxx", "99.96329|*"},
    {"KNan", "tc", "K", {{"cold", "0"}}, "temp", "nan", "OUT|OUT"},
    {"KEmfNan", "tc", "K", {{"cold", "0"}}, "emf", "nan", "OUT|OUT"},
    {"KEmfInfinite", "tc", "K", {{"cold", "0"}}, "emf", "inf", "OUT|*"},
    {"KBeyond", "tc", "K", {{"cold", "0"}}, "temp", "1500", "OUT|OUT"},
    {"S1000Cold20", "tc", "S", {{"cold", "20"}}, "temp", "1000", "9.474179|*"},
    {"SUpTo1768_4", "tc", "S", {{"cold", "0"}}, "temp", "1768.4", "18.69663|*"},
    {"RStopsAt1768_1", "tc", "R", {{"cold", "0"}}, "temp", "1768.4", "OUT|OUT"},
    {"R1768", "tc", "R", {{"cold", "0"}}, "temp", "1768", "21.10148|*"},
    {"BRefusesBelowZero", "tc", "B", {{"cold", "0"}}, "temp", "-0.5", "OUT|OUT"},
    {"BNegativeSlopeAt2", "tc", "B", {{"cold", "0"}}, "temp", "2", "*|-0.222907"},
    {"BNegativeSlopeAt1", "tc", "B", {{"cold", "0"}}, "temp", "1", "*|-0.234704"},
    {"DNotScaled", "tc", "D", {{"cold", "0"}}, "temp", "1000", "18.22967|*"},
    {"DBeyondItsFunctions", "tc", "D", {{"cold", "0"}}, "temp", "2400", "OUT|*"},
    {"DEmfWithoutRoot", "tc", "D", {{"cold", "0"}}, "emf", "45", "OUT|0"},
    {"T100", "tc", "T", {{"cold", "0"}}, "temp", "100", "4.278519|*"},
    {"TAbsoluteZero", "tc", "T", {{"cold", "0"}}, "temp", "-273.15", "OUT|OUT"},
    // Platinum and copper: 0.1 mΩ, the literal "0.0" at R0, the bands beyond the range.
    {"Pt100At100", "rtd", "pt100", {}, "temp", "100", "138.5055|0.3792800"},
    {"Pt100At10", "rtd", "pt100", {}, "temp", "10", "103.9025|0.3896750"},
    {"Pt100AtMinus40", "rtd", "pt100", {}, "temp", "-40", "84.2707|0.3957579"},
    {"Pt100AtMinus200", "rtd", "pt100", {}, "temp", "-200", "18.5201|0.4323352"},
    {"Pt100At850", "rtd", "pt100", {}, "temp", "850.0", "390.4811|0.2926550"},
    {"Pt100Beyond850", "rtd", "pt100", {}, "temp", "850.01", "OUT|"},
    {"Pt100JunkAfterTheNumber", "rtd", "pt100", {}, "temp", "12abc", "104.6816|0.3894440"},
    {"Pt100Nan", "rtd", "pt100", {}, "temp", "nan", "OUT|"},
    {"Pt100MinusInfinity", "rtd", "pt100", {}, "temp", "-inf", "OUT|"},
    // Exactly 69.25275 Ω, computed as 69.25274999999999: the tie still rounds up (it once showed 69.2527).
    {"Pt50At100", "rtd", "pt50", {}, "temp", "100", "69.2528|0.1896400"},
    {"Pt50AtAbsoluteZero", "rtd", "pt50", {}, "temp", "-273.15", "OUT|"},
    {"Pt100IcePoint", "rtd", "pt100", {}, "res", "100", "0.0|0.3908300"},
    {"Pt100IcePointTypedLonger", "rtd", "pt100", {}, "res", "100.0", "0.0|0.3908300"},
    {"Pt100From138", "rtd", "pt100", {}, "res", "138.5055", "100|0.3792800"},
    {"Pt100WithSpacesAndUnit", "rtd", "pt100", {}, "res", "  138.5055 \u03a9", "100|0.3792800"},
    {"Pt100BelowR0", "rtd", "pt100", {}, "res", "84.2707", "-39.99988|0.3957579"},
    {"Pt100InTheBand", "rtd", "pt100", {}, "res", "391.943", "855.0001|OUT"},
    {"Pt100BeyondTheBand", "rtd", "pt100", {}, "res", "393.1978", "OUT|OUT"},
    {"Pt100JustAbove850", "rtd", "pt100", {}, "res", "390.4958", "850.0501|0.2926492"},
    {"Pt100NegativeResistance", "rtd", "pt100", {}, "res", "-1e10", "OUT|OUT"},
    {"PtXStrictRange", "rtd", "ptx", {{"r0", "100"}}, "res", "390.4958", "OUT|0.2926492"},
    {"PtX25At100", "rtd", "ptx", {{"r0", "25"}}, "temp", "100", "34.6264|0.0948200"},
    {"PtX1000At100", "rtd", "ptx", {{"r0", "1000"}}, "temp", "100", "1385.055|3.7928000"},
    // Pt1000 is not rounded twice (1.4 °C once showed 1005.471).
    {"PtX1000At1_4", "rtd", "ptx", {{"r0", "1000"}}, "temp", "1.4", "1005.47|3.9066830"},
    {"PtX25IcePoint", "rtd", "ptx", {{"r0", "25"}}, "res", "25", "0.0|0.0977075"},
    {"Cu100At100", "rtd", "cu100", {}, "temp", "100", "142.8|0.4282990"},
    {"Cu50At100", "rtd", "cu50", {}, "temp", "100", "71.4|0.2141495"},
    {"Cu50IcePoint", "rtd", "cu50", {}, "res", "50", "0.0|0.2144655"},
    {"Cu50Teraohm", "rtd", "cu50", {}, "res", "1e12", "OUT|OUT"},
    {"Cu100InTheBand", "rtd", "cu100", {}, "res", "164.6993", "150.9999|OUT"},
    {"Cu100BeyondTheBand", "rtd", "cu100", {}, "res", "164.8286", "OUT|OUT"},
    // Nickel: W = 1.617785 with R0 = 1000 (ND); W exactly 1 is 0 °C.
    {"NdAt100", "rtd", "ni-nd", {}, "temp", "100", "1617.785|6.926"},
    {"NdBackFrom1617", "rtd", "ni-nd", {}, "res", "1617.785", "100.|6.926"},
    {"NdIcePoint", "rtd", "ni-nd", {}, "res", "1000", "0.|5.485"},
    {"NdAtMinus60", "rtd", "ni-nd", {}, "temp", "-60", "695.2026|4.662858"},
    {"NaFrom2000", "rtd", "ni-na", {}, "res", "2000", "141.2382|8.356948"},
    {"NlAt100", "rtd", "ni-nl", {}, "temp", "100", "1500.005|5.62895"},
    {"NjAt100", "rtd", "ni-nj", {}, "temp", "100", "1637.359|7.156853"},
    {"NdWithR0Of100", "rtd", "ni", {{"r0", "100"}, {"a", "0.005485"}, {"b", "6.65e-06"}, {"d", "2.805e-11"},
     {"f", "-2e-17"}}, "temp", "100", "161.7785|0.6926000"},
    {"NdWithoutC4AndC6", "rtd", "ni", {{"r0", "1000"}, {"a", "0.005485"}, {"b", "6.65e-06"}},
     "temp", "100", "1615.|6.815"},
    {"NdNoRootFor1e300", "rtd", "ni-nd", {}, "res", "1e300", "OUT|OUT"},
    {"NdNegativeC6Wins", "rtd", "ni-nd", {}, "temp", "1e300", "-inf|-inf"},
    {"NdNan", "rtd", "ni-nd", {}, "temp", "nan", "OUT|OUT"},
    // Standard thermocouples (11 digits, 7 decimals): type S from the template standard's fixed points.
    {"SCopperPoint", "stdtc", "S", kStdSTemplate, "temp", "1084.62", "10.5822000|*"},
    {"S1000", "stdtc", "S", kStdSTemplate, "temp", "1000", "9.5923903|11.5621400"},
    {"SBackFrom1000", "stdtc", "S", kStdSTemplate, "emf", "9.5923903", "999.9999975|11.5621400"},
    {"SBelowTheStepAt400", "stdtc", "S", kStdSTemplate, "temp", "399.9", "3.2584004|*"},
    {"SStepAt400", "stdtc", "S", kStdSTemplate, "temp", "400", "3.2597882|*"},
    {"SInsideTheStep", "stdtc", "S", kStdSTemplate, "emf", "3.2596", "400.0000000|*"},
    {"SInfinite", "stdtc", "S", kStdSTemplate, "temp", "1e999", "OUT|OUT"},
    {"SEmfBeyond", "stdtc", "S", kStdSTemplate, "emf", "99", "OUT|*"},
    // A cold junction of exactly 0 adds nothing although a0 is -3893.8 µV; at 20 °C it takes the reference
    // function's -0.003 mV, not the certificate polynomial's -3.355 mV.
    {"BHigh1000", "stdtc", "B", kStdBHighCold0, "temp", "1000", "4.8343387|*"},
    {"BHighCold20", "stdtc", "B", kStdBHighCold20, "emf", "4.8343387", "999.7172855|*"},
    {"BHigh1000Cold20", "stdtc", "B", kStdBHighCold20, "temp", "1000", "4.8369176|*"},
    {"BHighBackCold20", "stdtc", "B", kStdBHighCold20, "emf", "4.8369176", "999.9999992|*"},
    {"BBeyondTheReferenceInverse", "stdtc", "B", kStdBHighCold0, "emf", "13.9", "1826.9883739|*"},
    {"BBeyondTheReferenceInverse14", "stdtc", "B", kStdBHighCold0, "emf", "14", "1835.7742837|*"},
    {"BInfinite", "stdtc", "B", kStdBHighCold0, "emf", "1e999", "OUT|*"},
    {"BFixedInfinite", "stdtc", "B", {{"mode", "fixed"}, {"e1100", "5.780"}, {"e1200", "6.786"}, {"e1300", "7.848"},
     {"e1400", "8.956"}, {"e1500", "10.099"}, {"cold", "0"}}, "emf", "1e999", "OUT|*"},
    // Thermistors: β, Steinhart-Hart and the extended form (four significant digits for its resistance).
    {"Beta25", "ntc", "", {{"r25", "10000"}, {"beta", "3950"}}, "res", "10000", "25."},
    {"BetaIcePoint", "ntc", "", {{"r25", "10000"}, {"beta", "3950"}}, "temp", "0", "33620.6"},
    {"BetaBackToTheIcePoint", "ntc", "", {{"r25", "10000"}, {"beta", "3950"}}, "res", "33620.60372", "8.066081e-010"},
    {"Beta100", "ntc", "", {{"r25", "10000"}, {"beta", "3950"}}, "temp", "100", "697.5198"},
    {"BetaNegativeResistance", "ntc", "", {{"r25", "10000"}, {"beta", "3950"}}, "res", "-5", "OUT"},
    {"SteinhartHart", "ntc", "", kNtcSh, "res", "10000", "24.99967"},
    {"SteinhartHartBack", "ntc", "", kNtcSh, "temp", "25", "9999.854"},
    {"SteinhartHartBelowAbsoluteZero", "ntc", "", kNtcSh, "temp", "-300", "OUT"},
    {"Extended", "ntc", "", kNtcExt, "res", "10000", "18.15275"},
    {"ExtendedBack", "ntc", "", kNtcExt, "temp", "18.152751242958118", "1.e+004"},
    // SPRT.
    {"SprtZincPoint", "sprt", "", kSprtA8B8, "temp", "419.527", "25.6891730|2.568917|*|*"},
    {"SprtTinPoint", "sprt", "", kSprtA8B8, "temp", "231.928", "18.9279768|1.892798|*|*"},
    {"SprtTriplePoint", "sprt", "", kSprtA8B8, "temp", "0.01", "10.0000000|1.0000000|*|*"},
    {"SprtBeyondTheGroup", "sprt", "", kSprtA8B8, "temp", "500", "OUT|OUT|OUT|OUT"},
    {"SprtRatioOne", "sprt", "", kSprtA8B8, "res", "10", "0.0100012|1.|*|*"},
    {"SprtMercuryPoint", "sprt", "", {{"range", "-189.3442~0"}, {"rtp", "10"}, {"a4", "1e-15"}, {"b4", "1e-15"}},
     "temp", "-38.8344", "8.4414211|0.8441421|*|*"},
    {"SprtGalliumA11", "sprt", "", kSprtA11A5B5, "temp", "29.7646", "11.1813889|1.118139|*|*"},
    {"SprtA5NotBelowMercury", "sprt", "", kSprtA11A5B5, "temp", "-38.9", "OUT|OUT|OUT|OUT"},
    {"SprtCyclingNewtonGivesUp", "sprt", "", {{"rtp", "25.5"}, {"a7", "-9"}, {"b7", "6"}, {"c7", "-1"}},
     "temp", "545.5359", "OUT|OUT|OUT|OUT"},
    // Transmitter 4~20 mA over 0~100 (10 digits, 7 decimals).
    {"TransmitterMiddle", "transmitter", "", {{"range", "0~100"}}, "value", "50", "12.0000000"},
    {"TransmitterBeyond", "transmitter", "", {{"range", "0~100"}}, "value", "150", "28.0000000"},
    {"TransmitterTop", "transmitter", "", {{"range", "0~100"}}, "signal-value", "20", "100.0000000"},
    {"TransmitterZero", "transmitter", "", {{"range", "0~100"}}, "signal-value", "4", "0."},
    {"TransmitterQuarter", "transmitter", "", {{"range", "0~100"}}, "signal-value", "8", "25.0000000"},
    // Coefficient pages (15 digits, 15 decimals): IEC 60751 and the standard copper resistances give their
    // coefficients back.
    {"PtFit", "fit pt", "", {{"r1", "84.2707"}, {"r2", "138.5055"}, {"r3", "212.0515"}},
     "", "", "0.003908300000000|-0.000000577500000|-0.000000000004129"},
    {"PtFitEqualUpperTemperatures", "fit pt", "",
     {{"r1", "84.2707"}, {"r2", "138.5055"}, {"r3", "212.0515"}, {"t3", "100"}}, "", "", "OUT|OUT|OUT"},
    {"CuFit", "fit cu", "", {{"r1", "71.4"}, {"r2", "82.1343"}, {"r3", "47.8542"}},
     "", "", "0.004280000000000|-0.000000093146970|0.000000001230758"},
    {"BetaFit", "fit ntc", "", {{"r1", "10000"}, {"t1", "25"}, {"r2", "3601.034978"}, {"t2", "50"}},
     "", "", "3936.22054953657"},
    {"BetaFitIcePoint", "fit ntc", "", {{"r1", "10000"}, {"t1", "25"}, {"r2", "32650.37471"}, {"t2", "0"}},
     "", "", "3854.60888806964"},
    {"SteinhartHartFit", "fit ntc", "", {{"mode", "sh"}, {"r1", "32650.37471"}, {"t1", "0"}, {"r2", "9999.854436"},
     {"t2", "25"}, {"r3", "3601.034978"}, {"t3", "50"}}, "", "",
     "0.001129148000044|0.000234125000001|0.000000087674100"},
    {"StdSCalculator", "fit stdtc", "", {{"zn", "3.4472"}, {"al", "5.8605"}, {"cu", "10.5822"}},
     "", "", "0.006998044679556|-0.000026224086768|0.000000024518735"},
    {"StdSCalculatorCopperOf1", "fit stdtc", "", {{"zn", "3.4472"}, {"al", "5.8605"}, {"cu", "1"}},
     "", "", "-9.39952739112104|0.036640855894596|-0.000033931197266"},
};
// clang-format on

// The rows of one page ("tc", "fit ntc"), for the test of that page.
inline std::vector<WorkPageCase> CasesOf(std::string_view page)
{
    std::vector<WorkPageCase> rows;
    for (const WorkPageCase& c : kWorkPageCases) {
        if (page == c.page) rows.push_back(c);
    }
    return rows;
}

}  // namespace tmcalc::cases
