#include "thermocouple/coefficients.h"

#include <array>
#include <cstddef>
#include <span>

#include "thermocouple/published_sb.h"

namespace tmcalc {
namespace {

// NIST ITS-90 reference functions and their approximate inverses (Monograph 175), E in µV. Inverse
// coefficients are published for E in mV and are stored here as d_i x 1000^-i.
//
// Array comments give the published span of each polynomial. The accepted ranges in the TcRange rows
// reach one degree (inverses: about 100 µV) further, and each piece is tested [lower, upper) with the
// last one closed, so a value on a breakpoint belongs to the upper piece.
//
// A handful of entries (marked) differ from the published values in their last digits. The working pages
// compute with them deliberately (the last digits they show depend on them); the standard S and B
// calculations use the published values (published_sb.h), which types S and B share here.

// A published array with one entry replaced.
template <std::size_t N>
constexpr std::array<double, N> WithEntry(std::array<double, N> c, std::size_t index, double value)
{
    c[index] = value;
    return c;
}

// Type S
constexpr auto kSEmf0 = WithEntry(kPublishedSEmf0, 3, -2.32477968698E-05);  // published -2.32477968689E-05
constexpr const auto& kSEmf1 = kPublishedSEmf1;
constexpr const auto& kSEmf2 = kPublishedSEmf2;
constexpr TcRange kSEmf[] = {
    {-51.0, 1064.18, false, kSEmf0},
    {1064.18, 1664.5, false, kSEmf1},
    {1664.5, 1769.1, true, kSEmf2},
};
constexpr double kSInverse0[] = {  // -235 to 1874 µV
    0.0,
    1.84949460E-01,
    -8.00504062E-05,
    1.02237430E-07,
    -1.5224859E-10,  // published -1.52248592E-10
    1.88821343E-13,
    -1.59085941E-16,
    8.23027880E-20,
    -2.34181944E-23,
    2.79786260E-27,
};
constexpr double kSInverse1[] = {  // 1874 to 11950 µV
    1.291507177E+01,
    1.466298863E-01,
    -1.534713402E-05,
    3.145945973E-09,
    -4.16325739E-13,  // published -4.163257839E-13
    3.187963771E-17,
    -1.291637500E-21,
    2.183475087E-26,
    -1.447379511E-31,
    8.211272125E-36,
};
constexpr double kSInverse2[] = {  // 10332 to 17536 µV
    -80.8780117,  // published -8.087801117E+01
    1.621573104E-01,
    -8.536869453E-06,
    4.719686976E-10,
    -1.441693666E-14,
    2.0816189E-19,  // published 2.081618890E-19
};
constexpr double kSInverse3[] = {  // 17536 to 18693 µV
    5.333875126E+04,
    -1.235892298E+01,
    1.092657613E-03,
    -4.265693686E-08,
    6.247205420E-13,
};
constexpr TcInverseRange kSInverse[] = {
    {{-335.0, 1874.0, false, kSInverse0}, -235.0, 1874.0},
    {{1874.0, 10332.0, false, kSInverse1}, 1874.0, 11950.0},
    {{10332.0, 17536.0, false, kSInverse2}, 10332.0, 17536.0},
    {{17536.0, 18794.0, true, kSInverse3}, 17536.0, 18693.0},
};

// Type R
constexpr double kREmf0[] = {  // -50 to 1064.18 °C
    0.0,
    5.28961729765E+00,
    1.39166589782E-02,
    -2.38855693017E-05,
    3.56916001063E-08,
    -4.62347666298E-11,
    5.00777441034E-14,
    -3.73105886191E-17,
    1.57716482367E-20,
    -2.81038625251E-24,
};
constexpr double kREmf1[] = {  // 1064.18 to 1664.5 °C
    2951.57925361,  // published 2.95157925316E+03
    -2.52061251332E+00,
    1.59564501865E-02,
    -7.64085947576E-06,
    2.05305291024E-09,
    -2.93359668176E-13,  // published -2.93359668173E-13
};
constexpr double kREmf2[] = {  // 1664.5 to 1768.1 °C
    1.52232118209E+05,
    -268.81988545,  // published -2.68819888545E+02
    1.71280280471E-01,
    -3.45895706453E-05,
    -9.34633971046E-12,
};
constexpr TcRange kREmf[] = {
    {-51.0, 1064.18, false, kREmf0},
    {1064.18, 1664.5, false, kREmf1},
    {1664.5, 1769.1, true, kREmf2},
};
constexpr double kRInverse0[] = {  // -226 to 1923 µV
    0.0,
    1.8891380E-01,
    -9.3835290E-05,
    1.3068619E-07,
    -2.2703580E-10,
    3.5145659E-13,
    -3.8953900E-16,
    2.8239471E-19,
    -1.2607281E-22,
    3.1353611E-26,
    -3.3187769E-30,
};
constexpr double kRInverse1[] = {  // 1923 to 13228 µV
    1.334584505E+01,
    1.472644573E-01,
    -1.844024844E-05,
    4.031129726E-09,
    -6.249428360E-13,
    6.468412046E-17,
    -4.458750426E-21,
    1.994710149E-25,
    -5.313401790E-30,
    6.481976217E-35,
};
constexpr double kRInverse2[] = {  // 11361 to 19739 µV
    -8.199599416E+01,
    1.553962042E-01,
    -8.342197663E-06,
    4.279433549E-10,
    -1.191577910E-14,
    1.492290091E-19,
};
constexpr double kRInverse3[] = {  // 19739 to 21103 µV
    3.406177836E+04,
    -7.023729171E+00,
    5.582903813E-04,
    -1.952394635E-08,
    2.560740231E-13,
};
constexpr TcInverseRange kRInverse[] = {
    {{-326.0, 1923.0, false, kRInverse0}, -226.0, 1923.0},
    {{1923.0, 11361.0, false, kRInverse1}, 1923.0, 13228.0},
    {{11361.0, 19739.0, false, kRInverse2}, 11361.0, 19739.0},
    {{19739.0, 21203.0, true, kRInverse3}, 19739.0, 21103.0},
};

// Type B
constexpr const auto& kBEmf0 = kPublishedBEmf0;
constexpr auto kBEmf1 = WithEntry(kPublishedBEmf1, 0, -3893.816862);  // published -3.89381686210E+03
constexpr TcRange kBEmf[] = {
    {-1.0, 630.615, false, kBEmf0},
    {630.615, 1821.0, true, kBEmf1},
};
constexpr const auto& kBInverse0 = kPublishedBInverse0;
constexpr const auto& kBInverse1 = kPublishedBInverse1;
constexpr TcInverseRange kBInverse[] = {
    {{-1.0, 2431.0, false, kBInverse0}, 291.0, 2431.0},
    {{2431.0, 13920.0, true, kBInverse1}, 2431.0, 13820.0},
};

// Type K
constexpr double kKEmf0[] = {  // -270 to 0 °C
    0.0,
    3.94501280250E+01,
    2.36223735980E-02,
    -3.28589067840E-04,
    -4.99048287770E-06,
    -6.75090591730E-08,
    -5.74103274280E-10,
    -3.10888728940E-12,
    -1.04516093650E-14,
    -1.98892668780E-17,
    -1.63226974860E-20,
};
constexpr double kKEmf1[] = {  // 0 to 1372 °C
    -1.76004136860E+01,
    3.89212049750E+01,
    1.85587700320E-02,
    -9.94575928740E-05,
    3.18409457190E-07,
    -5.60728448890E-10,
    5.60750590590E-13,
    -3.20207200030E-16,
    9.71511471520E-20,
    -1.21047212750E-23,
};
constexpr TcRange kKEmf[] = {
    {-271.0, 0.0, false, kKEmf0},
    {0.0, 1373.0, true, kKEmf1},
};
constexpr double kKInverse0[] = {  // -5891 to 0 µV
    0.0,
    2.5173462E-02,
    -1.1662878E-06,
    -1.0833638E-09,
    -8.9773540E-13,
    -3.7342377E-16,
    -8.6632643E-20,
    -1.0450598E-23,
    -5.1920577E-28,
};
constexpr double kKInverse1[] = {  // 0 to 20644 µV
    0.0,
    2.508355E-02,
    7.860106E-08,
    -2.503131E-10,
    8.315270E-14,
    -1.228034E-17,
    9.804036E-22,
    -4.413030E-26,
    1.057734E-30,
    -1.052755E-35,
};
constexpr double kKInverse2[] = {  // 20644 to 54886 µV
    -1.318058E+02,
    4.830222E-02,
    -1.646031E-06,
    5.464731E-11,
    -9.650715E-16,
    8.802193E-21,
    -3.110810E-26,
};
constexpr TcInverseRange kKInverse[] = {
    {{-6557.0, 0.0, false, kKInverse0}, -5891.0, 0.0},
    {{0.0, 20644.0, false, kKInverse1}, 0.0, 20644.0},
    {{20644.0, 54986.0, true, kKInverse2}, 20644.0, 54886.0},
};

// Type N
constexpr double kNEmf0[] = {  // -270 to 0 °C
    0.0,
    26.1591059621,  // published 2.61591059620E+01
    1.09574842280E-02,
    -9.38411115540E-05,
    -4.64120397590E-08,
    -2.63033577160E-09,
    -2.26534380030E-11,
    -7.60893007910E-14,
    -9.34196678350E-17,
};
constexpr double kNEmf1[] = {  // 0 to 1300 °C
    0.0,
    2.59293946010E+01,
    1.57101418800E-02,
    4.38256272370E-05,
    -2.52611697940E-07,
    6.43118193390E-10,
    -1.00634715190E-12,
    9.97453389920E-16,
    -6.08632456070E-19,
    2.08492293390E-22,
    -3.06821961510E-26,
};
constexpr TcRange kNEmf[] = {
    {-271.0, 0.0, false, kNEmf0},
    {0.0, 1301.0, true, kNEmf1},
};
constexpr double kNInverse0[] = {  // -3990 to 0 µV
    0.0,
    3.8436847E-02,
    1.1010485E-06,
    5.2229312E-09,
    7.2060525E-12,
    5.8488586E-15,
    2.7754916E-18,
    7.7075166E-22,
    1.1582665E-25,
    7.3138868E-30,
};
constexpr double kNInverse1[] = {  // 0 to 20613 µV
    0.0,
    3.86896E-02,
    -1.08267E-06,
    4.70205E-11,
    -2.12169E-18,
    -1.17272E-19,
    5.39280E-24,
    -7.98156E-29,
};
constexpr double kNInverse2[] = {  // 20613 to 47513 µV
    1.972485E+01,
    3.300943E-02,
    -3.915159E-07,
    9.855391E-12,
    -1.274371E-16,
    7.767022E-22,
};
constexpr TcInverseRange kNInverse[] = {
    {{-4445.0, 0.0, false, kNInverse0}, -3990.0, 0.0},
    {{0.0, 20613.0, false, kNInverse1}, 0.0, 20613.0},
    {{20613.0, 47613.0, true, kNInverse2}, 20613.0, 47513.0},
};

// Type J
constexpr double kJEmf0[] = {  // -210 to 760 °C
    0.0,
    5.03811878150E+01,
    3.04758369300E-02,
    -8.56810657200E-05,
    1.32281952950E-07,
    -1.70529583370E-10,
    2.09480906970E-13,
    -1.25383953360E-16,
    1.56317256970E-20,
};
constexpr double kJEmf1[] = {  // 760 to 1200 °C
    2.96456256810E+05,
    -1.49761277860E+03,
    3.17871039240E+00,
    -3.18476867010E-03,
    1.57208190040E-06,
    -3.06913690560E-10,
};
constexpr TcRange kJEmf[] = {
    {-211.0, 760.0, false, kJEmf0},
    {760.0, 1201.0, true, kJEmf1},
};
constexpr double kJInverse0[] = {  // -8095 to 0 µV
    0.0,
    1.9528268E-02,
    -1.2286185E-06,
    -1.0752178E-09,
    -5.9086933E-13,
    -1.7256713E-16,
    -2.8131513E-20,
    -2.3963370E-24,
    -8.3823321E-29,
};
constexpr double kJInverse1[] = {  // 0 to 42919 µV
    0.0,
    1.978425E-02,
    -2.001204E-07,
    1.036969E-11,
    -2.549687E-16,
    3.585153E-21,
    -5.344285E-26,
    5.099890E-31,
};
constexpr double kJInverse2[] = {  // 42919 to 69553 µV
    -3.11358187E+03,
    3.00543684E-01,
    -9.94773230E-06,
    1.70276630E-10,
    -1.43033468E-15,
    4.73886084E-21,
};
constexpr TcInverseRange kJInverse[] = {
    {{-8195.0, 0.0, false, kJInverse0}, -8095.0, 0.0},
    {{0.0, 42919.0, false, kJInverse1}, 0.0, 42919.0},
    {{42919.0, 69653.0, true, kJInverse2}, 42919.0, 69553.0},
};

// Type E
constexpr double kEEmf0[] = {  // -270 to 0 °C
    0.0,
    5.86655087080E+01,
    4.54109771240E-02,
    -7.79980486860E-04,
    -2.58001608430E-05,
    -5.94525830570E-07,
    -9.32140586670E-09,
    -1.02876055340E-10,
    -8.03701236210E-13,
    -4.39794973910E-15,
    -1.64147763550E-17,
    -3.96736195160E-20,
    -5.58273287210E-23,
    -3.46578420130E-26,
};
constexpr double kEEmf1[] = {  // 0 to 1000 °C
    0.0,
    5.86655087100E+01,
    4.50322755820E-02,
    2.89084072120E-05,
    -3.30568966520E-07,
    6.50244033E-10,  // published 6.50244032700E-10
    -1.9197495594E-13,  // published -1.91974955040E-13
    -1.25366004970E-15,
    2.14892175690E-18,
    -1.43880417820E-21,
    3.59608994810E-25,
};
constexpr TcRange kEEmf[] = {
    {-271.0, 0.0, false, kEEmf0},
    {0.0, 1001.0, true, kEEmf1},
};
constexpr double kEInverse0[] = {  // -8825 to 0 µV
    0.0,
    1.6977288E-02,
    -4.3514970E-07,
    -1.5859697E-10,
    -9.2502871E-14,
    -2.6084314E-17,
    -4.1360199E-21,
    -3.4034030E-25,
    -1.1564890E-29,
};
constexpr double kEInverse1[] = {  // 0 to 76373 µV
    0.0,
    1.7057035E-02,
    -2.3301759E-07,
    6.5435585E-12,
    -7.3562749E-17,
    -1.7896001E-21,
    8.4036165E-26,
    -1.3735879E-30,
    1.0629823E-35,
    -3.2447087E-41,
};
constexpr TcInverseRange kEInverse[] = {
    {{-9935.0, 0.0, false, kEInverse0}, -8825.0, 0.0},
    {{0.0, 76473.0, true, kEInverse1}, 0.0, 76373.0},
};

// Type T
constexpr double kTEmf0[] = {  // -270 to 0 °C
    0.0,
    3.87481063640E+01,
    4.41944343470E-02,
    1.18443231050E-04,
    2.00329735540E-05,
    9.01380195590E-07,
    2.26511565930E-08,
    3.60711542050E-10,
    3.84939398830E-12,
    2.82135219250E-14,
    1.42515947790E-16,
    4.87686622860E-19,
    1.07955392700E-21,
    1.39450270620E-24,
    7.97951539270E-28,
};
constexpr double kTEmf1[] = {  // 0 to 400 °C
    0.0,
    3.87481063640E+01,
    3.32922278800E-02,
    2.06182434040E-04,
    -2.18822568460E-06,
    1.09968809280E-08,
    -3.08157587720E-11,
    4.54791352900E-14,
    -2.75129016730E-17,
};
constexpr TcRange kTEmf[] = {
    {-271.0, 0.0, false, kTEmf0},
    {0.0, 401.0, true, kTEmf1},
};
constexpr double kTInverse0[] = {  // -5603 to 0 µV
    0.0,
    2.5949192E-02,
    -2.1316967E-07,
    7.9018692E-10,
    4.2527777E-13,
    1.3304473E-16,
    2.0241446E-20,
    1.2668171E-24,
};
constexpr double kTInverse1[] = {  // 0 to 20872 µV
    0.0,
    2.592800E-02,
    -7.602961E-07,
    4.637791E-11,
    -2.165394E-15,
    6.048144E-20,
    -7.293422E-25,
};
constexpr TcInverseRange kTInverse[] = {
    {{-6357.0, 0.0, false, kTInverse0}, -5603.0, 0.0},
    {{0.0, 20972.0, true, kTInverse1}, 0.0, 20872.0},
};

constexpr TcKExponential kKExponential{118.5976, -1.183432E-04, 126.9686};

// Tungsten-rhenium types D and C: not in the NIST tables; E in mV.
constexpr double kDEmf0[] = {  // below 783 °C
    0.0, 9.5921929E-03, 2.0068371E-05, -1.3786121E-08,
    -1.1620542E-11, 3.98753E-14, -4.2429757E-17, 1.6821225E-20,
};
constexpr double kDEmf1[] = {  // 783 °C and above
    2.2097354, -1.4500612E-03, 4.2898234E-05, -4.2816409E-08,
    2.4132609E-11, -8.1885541E-15, 1.5873209E-18, -1.4320975E-22,
};
constexpr TcRange kDEmf[] = {
    {-1.0, 783.0, false, kDEmf0},
    {783.0, 2321.0, true, kDEmf1},
};
constexpr double kCEmf0[] = {  // below 630.615 °C
    0.0, 1.3406032E-02, 1.1924992E-05, -7.9806354E-09, -5.0787515E-12, 1.3164197E-14, -7.9197332E-18,
};
constexpr double kCEmf1[] = {  // 630.615 °C and above
    4.0528823E-01, 1.1509355E-02, 1.5696453E-05, -1.3704412E-08,
    5.2290873E-12, -9.2082758E-16, 4.5245112E-20,
};
constexpr TcRange kCEmf[] = {
    {-1.0, 630.615, false, kCEmf0},
    {630.615, 2321.0, true, kCEmf1},
};

constexpr double ConstexprPower(double x, std::size_t n)
{
    double result = 1.0;
    for (std::size_t i = 0; i < n; ++i) result *= x;
    return result;
}

// Built by the compiler from the polynomials, so the table can never drift from them.
constexpr std::array<double, kTcDegreeTableSize> MakeDegreeTable(std::span<const TcRange> pieces)
{
    std::array<double, kTcDegreeTableSize> table{};
    for (std::size_t degree = 0; degree < kTcDegreeTableSize; ++degree) {
        const double t = static_cast<double>(degree);
        const TcRange& piece = t < pieces[1].lower ? pieces[0] : pieces[1];
        double emf = 0.0;
        for (std::size_t i = 0; i < piece.c.size(); ++i) emf += ConstexprPower(t, i) * piece.c[i];
        // Half up to 1 µV; the emf is not negative from 0 °C upward (asserted below), and std::lround is
        // not usable in a constant expression.
        table[degree] =  // NOLINTNEXTLINE(bugprone-incorrect-roundings)
            static_cast<double>(static_cast<long long>(emf * 1000.0 + 0.5)) / 1000.0;
    }
    return table;
}

// The start search bisects, which needs a table that never falls.
constexpr bool RisesFromZero(const std::array<double, kTcDegreeTableSize>& table)
{
    if (table[0] < 0.0) return false;
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (table[i] < table[i - 1]) return false;
    }
    return true;
}

constexpr std::array<double, kTcDegreeTableSize> kDDegreeTable = MakeDegreeTable(kDEmf);
constexpr std::array<double, kTcDegreeTableSize> kCDegreeTable = MakeDegreeTable(kCEmf);
static_assert(RisesFromZero(kDDegreeTable) && RisesFromZero(kCDegreeTable));
static_assert(kCDegreeTable[2315] == 37.070);

constexpr TcCoefficientSet kWorkingSet{
    {{
        {kSEmf, kSInverse},
        {kREmf, kRInverse},
        {kBEmf, kBInverse},
        {kKEmf, kKInverse},
        {kNEmf, kNInverse},
        {kJEmf, kJInverse},
        {kEEmf, kEInverse},
        {kTEmf, kTInverse},
        {kDEmf, {}},
        {kCEmf, {}},
    }},
    kKExponential,
    kDDegreeTable,
    kCDegreeTable,
};

}  // namespace

const TcCoefficientSet& WorkingCoefficientSet() { return kWorkingSet; }

}  // namespace tmcalc
