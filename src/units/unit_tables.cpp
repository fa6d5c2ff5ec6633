#include "units/unit_pages.h"

#include "resources/string_ids.h"

#include <algorithm>
#include <cstddef>

namespace tmcalc {
namespace {

// One live row of a unit table: the chain into the page's base, the chain back, and (force page only)
// which of its base quantities the row uses.
struct Row {
    UnitChain toBase;
    UnitChain fromBase;
    int base = 0;
};

constexpr UnitChain kSame = kUnitIdentity;
constexpr UnitChain Times(double constant)
{
    return kSame.Times(constant);
}
constexpr UnitChain Over(double constant)
{
    return kSame.Over(constant);
}

// Every cell of a rows x columns grid, filled column by column; cells beyond the live rows are dead.
template <int Rows, int Columns, std::size_t Live, std::size_t Cells = static_cast<std::size_t>(Rows) * Columns>
constexpr std::array<UnitField, Cells> MakeCells(int firstLabelId, int firstUnitId,
                                                 const std::array<Row, Live>& live)
{
    static_assert(Live <= Cells && Cells <= static_cast<std::size_t>(kMaxUnitCells));
    std::array<UnitField, Cells> cells{};
    for (int k = 0; k < Rows * Columns; ++k) {
        UnitField& cell = cells[static_cast<std::size_t>(k)];
        cell.id = 10 * (k / Rows) + k % Rows;
        cell.labelId = firstLabelId + k;
        cell.unitId = firstUnitId + k;
        if (static_cast<std::size_t>(k) < Live) {
            const Row& row = live[static_cast<std::size_t>(k)];
            cell.toBase = row.toBase;
            cell.fromBase = row.fromBase;
            cell.base = row.base;
        } else {
            cell.dead = true;
        }
    }
    return cells;
}

// Definitions behind the rows (exact by definition unless said otherwise): every factor below is computed
// from them, never typed as a rounded decimal.
constexpr double kStandardGravity = 9.80665;             // m/s², so 1 kgf = 9.80665 N
constexpr double kInch = 0.0254;                         // m
constexpr double kFoot = 0.3048;                         // m
constexpr double kYard = 0.9144;                         // m
constexpr double kMile = 1609.344;                       // m, international mile (5280 ft)
constexpr double kPound = 0.45359237;                    // kg
constexpr double kPoundForce = kPound * kStandardGravity;  // N, 4.4482216152605
constexpr double kPoundal = kPound * kFoot;              // N, 0.138254954376
constexpr double kInchSquared = 6.4516e-4;               // m²
constexpr double kFootSquared = 0.09290304;              // m²
constexpr double kCalIt = 4.1868;                        // J, International Table calorie
constexpr double kCalTh = 4.184;                         // J, thermochemical calorie
constexpr double kBtuIt = 1055.05585262;                 // J, International Table
constexpr double kBtuTh = kCalTh * 453.59237 / 1.8;      // J, thermochemical Btu: 1054.3502644888...
constexpr double kHorsepower = 550 * kFoot * kPoundForce;  // W, 550 ft·lbf/s: 745.69987158227...
constexpr double kKcalItPerHourWatts = 1.163;            // 4186.8 J / 3600 s
constexpr double kBtuItPerFootSquaredSecondFahrenheit =  // W/(m²·K), the °F step being 5/9 K
    kBtuIt / kFootSquared * 1.8;
constexpr double kStandardAtmosphere = 101325;           // Pa
constexpr double kTorr = kStandardAtmosphere / 760;      // Pa, 133.322368421...
// The conventional mercury column: 13.5951 g/cm³ under standard gravity, 133.322387415 Pa per mm.
constexpr double kMillimetreOfMercury = 13595.1 * kStandardGravity / 1000;
constexpr double kLightYear = 9460730472580800;          // m, a Julian year (365.25 d) at c

// Square root by Newton's method for constants (std::sqrt is not constexpr in C++20).
constexpr double ConstantSqrt(double x)
{
    double root = x > 1 ? x : 1.0;
    for (int i = 0; i < 200; ++i) {
        const double next = 0.5 * (root + x / root);
        if (next == root) break;
        root = next;
    }
    return root;
}

// Mach 1: the speed of sound of the standard atmosphere at sea level, sqrt(1.4 x 287.05287 J/(kg·K) x
// 288.15 K) = 340.29399 m/s.
constexpr double kMach = ConstantSqrt(1.4 * 287.05287 * 288.15);
static_assert(kMach > 340.2939 && kMach < 340.2941);

// Heat transfer coefficient, base W/(cm²·K). Both kcal and both Btu rows convert with the same constant
// both ways, so a value typed there comes back unchanged.
constexpr std::array<Row, 6> kHeatTransferCoefficient{{
    {kSame, kSame},                                                                    // W/(cm²·K)
    {Over(10000), Times(10000)},                                                       // W/(m²·K)
    {Times(4186.8).Over(10000), Times(10000).Over(4186.8)},                            // kcal/(m²·s·℃)
    {Times(kKcalItPerHourWatts).Over(10000), Times(10000).Over(kKcalItPerHourWatts)},  // kcal/(m²·h·℃)
    {Times(kBtuItPerFootSquaredSecondFahrenheit).Over(10000),                          // Btu/(ft²·s·℉)
     Times(10000).Over(kBtuItPerFootSquaredSecondFahrenheit)},
    {Times(kBtuItPerFootSquaredSecondFahrenheit).Over(3600).Over(10000),  // Btu/(ft²·h·℉)
     Times(10000).Times(3600).Over(kBtuItPerFootSquaredSecondFahrenheit)},
}};

// Thermal conductivity, base W/(cm·K); the J/(cm·s·℃) row carries the base value too.
constexpr std::array<Row, 12> kThermalConductivity{{
    {kSame, kSame},                             // w/cm·K
    {Over(100), Times(100)},                    // w/m·K
    {Times(1.8).Over(kInch * 100), Times(kInch * 100).Over(1.8)},  // w/in·℉
    {Times(1.8).Over(kFoot * 100), Times(kFoot * 100).Over(1.8)},  // w/ft·℉
    {kSame, kSame},                                                // j/cm·s·℃
    {Times(kCalIt), Over(kCalIt)},                                 // cal/cm·s·℃
    {Times(kCalIt * 1000).Over(60), Times(60).Over(kCalIt * 1000)},  // kcal/cm·min·℃
    {Times(kKcalItPerHourWatts).Over(100), Times(100).Over(kKcalItPerHourWatts)},  // kcal/m·h·℃
    {Times(kBtuIt * 1.8).Over(kFoot * 100), Times(kFoot * 100).Over(kBtuIt * 1.8)},  // Btu/ft·s·℉
    {Times(kBtuIt * 1.8).Over(kFoot * 100 * 3600), Times(kFoot * 100 * 3600).Over(kBtuIt * 1.8)},  // Btu/ft·h·℉
    {Times(kBtuIt * 1.8).Over(kInch * 100 * 3600), Times(kInch * 100 * 3600).Over(kBtuIt * 1.8)},  // Btu/in·h·℉
    // Btu·in/(ft²·h·℉): an inch of thickness over a square foot
    {Times(kBtuIt * 1.8 * kInch).Over(kFootSquared * 100 * 3600),
     Times(kFootSquared * 100 * 3600).Over(kBtuIt * 1.8 * kInch)},
}};

// Heat flux, base W/m²; the tenth cell is dead.
constexpr std::array<Row, 9> kHeatFlux{{
    {kSame, kSame},                             // W/m²
    {Over(0.0001), Times(0.0001)},              // W/cm²
    {Over(0.001), Times(0.001)},                // kW/m²
    {Times(kCalIt * 10000), Over(kCalIt * 10000)},                        // cal/(cm²·s)
    {Times(kCalIt * 10000).Over(3600), Times(3600).Over(kCalIt * 10000)},  // cal/(cm²·h)
    {Times(kCalIt * 1000), Over(kCalIt * 1000)},                          // kcal/(m²·s)
    {Times(kKcalItPerHourWatts), Over(kKcalItPerHourWatts)},              // kcal/(m²·h)
    {Times(kBtuIt).Over(kFootSquared), Times(kFootSquared).Over(kBtuIt)},  // Btu/(ft²·s)
    {Times(kBtuIt).Over(kFootSquared * 3600), Times(kFootSquared * 3600).Over(kBtuIt)},  // Btu/(ft²·h)
}};

// Power, base W; N·m/s, W and J/s all carry the base value.
constexpr std::array<Row, 10> kPower{{
    {kSame, kSame},                                     // N·m/s
    {kSame, kSame},                                     // W
    {Times(1000), Over(1000)},                          // kW
    {Times(kHorsepower), Over(kHorsepower)},            // UKHp (mechanical horsepower)
    {Times(75 * kStandardGravity), Over(75 * kStandardGravity)},  // PS, metric horsepower: 75 kgf·m/s
    {Times(kStandardGravity), Over(kStandardGravity)},  // kgf·m/s
    {Times(4184), Over(4184)},                          // kcal/s, thermochemical
    {Times(kBtuIt), Over(kBtuIt)},                      // Btu/s
    {Times(kFoot * kPoundForce), Over(kFoot * kPoundForce)},  // ft·lb/s
    {kSame, kSame},                                     // J/s
}};

// Pressure, base Pa. The torr is 1/760 atm and the mercury columns the conventional 13.5951 g/cm³, so
// 1 mmHg is 1.00000014 Torr; the water columns use the conventional 9.80665 Pa per mm.
constexpr std::array<Row, 14> kPressure{{
    {kSame, kSame},                                                            // Pa
    {Times(1000), Times(0.001)},                                               // kPa
    {Times(1000000), Times(1e-6)},                                             // MPa
    {Times(kPoundForce).Over(kInchSquared), Times(kInchSquared).Over(kPoundForce)},  // psi
    {Times(100000), Over(100000)},                                             // bar
    {Times(100), Over(100)},                                                   // mbar
    {Times(kTorr), Over(kTorr)},                                               // Torr
    {Times(kMillimetreOfMercury).Times(25.4), Over(kMillimetreOfMercury).Over(25.4)},  // inHg (0℃)
    {Times(kMillimetreOfMercury), Over(kMillimetreOfMercury)},                 // mmHg (0℃)
    {Times(kStandardGravity).Times(25.4), Over(kStandardGravity).Over(25.4)},  // inH₂O (4℃)
    {Times(kStandardGravity), Over(kStandardGravity)},                         // mmH₂O (4℃)
    {Times(98066.5), Over(98066.5)},                                           // kgf/cm²
    {Times(kPoundForce).Over(kFootSquared), Times(kFootSquared).Over(kPoundForce)},  // lb/ft²
    {Times(kStandardAtmosphere), Over(kStandardAtmosphere)},                   // atm
}};

// Length, base m; cells 26 and 27 are dead.
constexpr std::array<Row, 25> kLength{{
    {kSame, kSame},                             // m
    {Over(0.001), Times(0.001)},                // km
    {Over(10), Times(10)},                      // dm
    {Times(0.01), Times(100)},                  // cm
    {Over(1000), Times(1000)},                  // mm
    {Over(1000000), Times(1000000)},            // um
    {Over(1e9), Times(1e9)},                    // nm
    {Over(1e12), Times(1e12)},                  // pm
    {Times(kLightYear), Over(kLightYear)},      // ly
    {Times(kInch), Over(kInch)},                // in
    {Times(kInch).Over(1000), Times(1000).Over(kInch)},  // mil
    {Times(kFoot), Over(kFoot)},                // ft
    {Times(kYard), Over(kYard)},                // yd
    {Times(kMile), Over(kMile)},                // mi, international mile
    {Times(1852), Over(1852)},                  // nmi
    {Times(6 * kFoot), Over(6 * kFoot)},        // fm, 6 ft
    {Times(201.168), Over(201.168)},            // fur, 660 ft
    {Over(0.002), Times(0.002)},                // 里, 500 m
    {Over(0.3), Times(0.3)},                    // 丈
    {Over(3), Times(3)},                        // 尺
    {Over(30), Times(30)},                      // 寸
    {Over(300), Times(300)},                    // 分
    {Over(3000), Times(3000)},                  // 厘
    {Over(30000), Times(30000)},                // 毫
    {Times(149597870700), Over(149597870700)},  // Au (IAU 2012)
}};

// Area, base m².
constexpr std::array<Row, 18> kArea{{
    {kSame, kSame},                                 // m²
    {Over(0.0001), Times(0.0001)},                  // hm²
    {Over(0.01), Times(0.01)},                      // are
    {Over(1e-6), Times(1e-6)},                      // km²
    {Over(100), Times(100)},                        // dm²
    {Over(10000), Times(10000)},                    // cm²
    {Over(1000000), Times(1000000)},                // mm²
    {Times(4046.8564224), Over(4046.8564224)},      // acre, international
    {Times(2589988.110336), Over(2589988.110336)},  // sq.mi, international
    {Times(kYard * kYard), Over(kYard * kYard)},    // yd²
    {Times(kFootSquared), Over(kFootSquared)},      // ft²
    {Times(kInchSquared), Over(kInchSquared)},      // in²
    {Times(16.5 * kFoot * 16.5 * kFoot), Over(16.5 * kFoot * 16.5 * kFoot)},  // rd, square rod (16.5 ft)²
    {Over(1.5e-5), Times(1.5e-5)},                  // 市顷
    {Over(0.0015), Times(0.0015)},                  // 市亩
    {Over(0.015), Times(0.015)},                    // 市分
    {Over(9), Times(9)},                            // 平方尺
    {Over(900), Times(900)},                        // 平方寸
}};

// Velocity, base m/s.
constexpr std::array<Row, 7> kVelocity{{
    {kSame, kSame},                       // m/s
    {Over(0.001), Times(0.001)},          // km/s
    {Over(3.6), Times(3.6)},              // km/h
    {Times(299792458), Over(299792458)},  // c
    {Times(kMach), Over(kMach)},          // mach
    {Times(kMile).Over(3600), Times(3600).Over(kMile)},  // mile/h
    {Times(kInch), Over(kInch)},          // in/s
}};

// Force: three base quantities, newtons, tonnes-force and pounds-force. A row feeds one of them, the
// other two follow through the links, and each row reads its value back from the quantity it fed.
enum ForceBase : int { kNewton = 0, kTonneForce = 1, kPoundForceBase = 2 };

constexpr double kNewtonsPerTonneForce = 9806.65;
constexpr double kNewtonsPerPoundForce = kPoundForce;
constexpr double kNewtonsPerLongTonForce = 2240 * kPoundForce;

constexpr UnitBaseScheme kForceBases{
    3,
    {{
        {{{kTonneForce, kNewton, Over(kNewtonsPerTonneForce)},
          {kPoundForceBase, kNewton, Over(kNewtonsPerPoundForce)}}},
        {{{kNewton, kTonneForce, Times(kNewtonsPerTonneForce)},
          {kPoundForceBase, kNewton, Over(kNewtonsPerPoundForce)}}},
        {{{kNewton, kPoundForceBase, Times(kNewtonsPerPoundForce)},
          {kTonneForce, kNewton, Over(kNewtonsPerTonneForce)}}},
    }},
};

constexpr std::array<Row, 12> kForce{{
    {kSame, kSame, kNewton},                                                   // N
    {Times(1000000), Times(1e-6), kNewton},                                    // MN
    {Times(1000), Times(0.001), kNewton},                                      // kN
    {Times(1000), Times(0.001), kNewton},                                      // sn, sthène
    {Over(100000), Times(100000), kNewton},                                    // dyne
    {kSame, kSame, kTonneForce},                                               // tf
    {Times(kNewtonsPerLongTonForce), Over(kNewtonsPerLongTonForce), kNewton},  // tf(UK), long ton-force
    {Times(2000), Over(2000), kPoundForceBase},                                // tonf(US)
    {Over(1000), Times(1000), kTonneForce},                                    // kgf
    {kSame, kSame, kPoundForceBase},                                           // lbf
    {Times(1000), Over(1000), kPoundForceBase},                                // kip
    {Times(kPoundal), Over(kPoundal), kNewton},                                // pdl
}};

// Dynamic viscosity, base Pa·s.
constexpr std::array<Row, 10> kDynamicViscosity{{
    {kSame, kSame},                                     // Pa.s
    {Over(10), Times(10)},                              // Poise
    {Over(1000), Times(1000)},                          // CPS
    {Over(3600), Times(3600)},                          // kg/m.h
    {Times(kStandardGravity), Over(kStandardGravity)},  // kgf·s/m²
    {Times(kPoundForce).Over(kInchSquared), Times(kInchSquared).Over(kPoundForce)},  // lbf·s/inch²
    {Times(kPoundForce).Over(kFootSquared), Times(kFootSquared).Over(kPoundForce)},  // lbf·s/ft²
    {Times(kPoundForce * 3600).Over(kFootSquared), Times(kFootSquared).Over(kPoundForce * 3600)},  // lbf·h/ft²
    {Times(kPound).Over(kFoot), Times(kFoot).Over(kPound)},                          // lb/ft·s
    {Times(kPound).Over(kFoot * 3600), Times(kFoot * 3600).Over(kPound)},            // lb/ft·h
}};

// Kinematic viscosity, base m²/s. The square inch and square foot rows use the exact areas, the same
// constants both ways, so 1 ft²/s shows as 144 in²/s.
constexpr std::array<Row, 12> kKinematicViscosity{{
    {kSame, kSame},                                                    // m²/s
    {Over(60), Times(60)},                                             // m²/min
    {Over(3600), Times(3600)},                                         // m²/h
    {Over(10000), Times(10000)},                                       // St·(cm²/s)
    {Over(36000000), Times(36000000)},                                 // cm²/h
    {Over(600000), Times(600000)},                                     // cm²/min
    {Times(kInchSquared), Over(kInchSquared)},                         // in²/s
    {Times(kInchSquared).Over(60), Times(60).Over(kInchSquared)},      // in²/min
    {Times(kInchSquared).Over(3600), Times(3600).Over(kInchSquared)},  // in²/h
    {Times(kFootSquared), Over(kFootSquared)},                         // ft²/s
    {Times(kFootSquared).Over(60), Times(60).Over(kFootSquared)},      // ft²/min
    {Times(kFootSquared).Over(3600), Times(3600).Over(kFootSquared)},  // ft²/h
}};

// Diffusion coefficient, base m²/s.
constexpr std::array<Row, 5> kDiffusion{{
    {kSame, kSame},                                                // m²/s
    {Over(60), Times(60)},                                         // m²/min
    {Times(kFootSquared).Over(60), Times(60).Over(kFootSquared)},  // ft²/min
    {Times(kFootSquared), Over(kFootSquared)},                     // ft²/s
    {Times(kInchSquared), Over(kInchSquared)},                     // in²/s
}};

// Surface tension, base N/m.
constexpr std::array<Row, 8> kSurfaceTension{{
    {kSame, kSame},                           // N/m
    {Over(1000), Times(1000)},                // mN/m
    {Times(kStandardGravity).Over(10), Times(10).Over(kStandardGravity)},  // gf/cm
    {Over(1000), Times(1000)},                // dyn/cm
    {Over(1000), Times(1000)},                // erg/cm²
    {Over(10), Times(10)},                    // erg/mm²
    {Times(kPoundal).Over(kInch), Times(kInch).Over(kPoundal)},        // pdl/in
    {Times(kPoundForce).Over(kInch), Times(kInch).Over(kPoundForce)},  // lbf/in
}};

// Energy, base J; J, W·s and N·m all carry the base value.
constexpr std::array<Row, 27> kEnergy{{
    {kSame, kSame},                                         // J
    {Over(1e-9), Times(1e-9)},                              // GJ
    {Over(1e-6), Times(1e-6)},                              // MJ
    {Over(0.001), Times(0.001)},                            // KJ
    {kSame, kSame},                                         // W·s
    {Times(3600000), Over(3600000)},                        // kWh
    {Times(3600), Over(3600)},                              // Wh
    {kSame, kSame},                                         // N·m
    {Times(4.1868), Over(4.1868)},                          // cal(IT)
    {Times(4.184), Over(4.184)},                            // cal(th)
    {Times(4.19002), Over(4.19002)},                        // cal(mean)
    {Times(4.1858), Over(4.1858)},                          // cal(15C)
    {Times(4.1819), Over(4.1819)},                          // cal(20C)
    {Times(4184), Over(4184)},                              // kcal, the food calorie (thermochemical)
    {Times(4186.8), Over(4186.8)},                          // kcal(IT)
    {Times(4184), Over(4184)},                              // kcal(th)
    {Times(kBtuTh), Over(kBtuTh)},                          // Btu(th)
    {Times(1055.87), Over(1055.87)},                        // Btu(mean)
    {Times(1899.100534716), Over(1899.100534716)},          // cent•h, Celsius heat unit: 1.8 Btu(IT)
    {Times(1.602176634e-19), Over(1.602176634e-19)},        // eV (SI 2019, exact)
    {Times(kHorsepower * 3600), Over(kHorsepower * 3600)},  // hp•h
    {Times(kStandardGravity), Over(kStandardGravity)},      // k•m, kilogram-force metre
    {Times(kFoot * kPoundForce), Over(kFoot * kPoundForce)},  // ft•lbf
    {Over(8.850745791327187), Times(8.850745791327187)},    // in•lbf
    {Times(105505585.257348), Over(105505585.257348)},      // therm (EC)
    {Over(10000000), Times(10000000)},                      // erg
    {Times(0.0421401100938048), Over(0.0421401100938048)},  // ftpd, foot-poundal: 0.3048 m x 0.138254954376 N
}};

// Temperature difference, base kelvin (a degree Celsius step is one kelvin): the same five scales as the
// temperature page, but as intervals, so no offsets: 10 ℃ of rise is 18 ℉, not 50 ℉.
constexpr std::array<Row, 5> kTemperatureDifference{{
    {kSame, kSame},              // ℃
    {Over(1.8), Times(1.8)},     // ℉
    {kSame, kSame},              // K
    {Over(1.8), Times(1.8)},     // °R
    {Over(0.8), Times(0.8)},     // °Re
}};

constexpr UnitBaseScheme kOneBase{};

constexpr auto kHeatTransferCoefficientCells =
    MakeCells<6, 1>(kStrHeatTransferCoefficientLabels, kStrHeatTransferCoefficientUnits, kHeatTransferCoefficient);
constexpr auto kThermalConductivityCells =
    MakeCells<6, 2>(kStrThermalConductivityLabels, kStrThermalConductivityUnits, kThermalConductivity);
constexpr auto kHeatFluxCells = MakeCells<5, 2>(kStrHeatFluxLabels, kStrHeatFluxUnits, kHeatFlux);
constexpr auto kPowerCells = MakeCells<5, 2>(kStrPowerLabels, kStrPowerUnits, kPower);
constexpr auto kPressureCells = MakeCells<7, 2>(kStrPressureLabels, kStrPressureUnits, kPressure);
constexpr auto kLengthCells = MakeCells<9, 3>(kStrLengthLabels, kStrLengthUnits, kLength);
constexpr auto kAreaCells = MakeCells<6, 3>(kStrAreaLabels, kStrAreaUnits, kArea);
constexpr auto kVelocityCells = MakeCells<7, 1>(kStrVelocityLabels, kStrVelocityUnits, kVelocity);
constexpr auto kForceCells = MakeCells<6, 2>(kStrForceLabels, kStrForceUnits, kForce);
constexpr auto kDynamicViscosityCells =
    MakeCells<5, 2>(kStrDynamicViscosityLabels, kStrDynamicViscosityUnits, kDynamicViscosity);
constexpr auto kKinematicViscosityCells =
    MakeCells<6, 2>(kStrKinematicViscosityLabels, kStrKinematicViscosityUnits, kKinematicViscosity);
constexpr auto kDiffusionCells = MakeCells<5, 1>(kStrDiffusionLabels, kStrDiffusionUnits, kDiffusion);
constexpr auto kSurfaceTensionCells =
    MakeCells<4, 2>(kStrSurfaceTensionLabels, kStrSurfaceTensionUnits, kSurfaceTension);
constexpr auto kEnergyCells = MakeCells<9, 3>(kStrEnergyLabels, kStrEnergyUnits, kEnergy);
// The temperature page's labels and units, in its order.
constexpr auto kTemperatureDifferenceCells =
    MakeCells<5, 1>(kStrTemperatureLabels, kStrTemperatureUnits, kTemperatureDifference);

using enum UnitGridBuilder;
constexpr FieldPolicy kPlainG7{ReadRule::Plain, DisplayFormat::G7()};

constexpr std::array<UnitPage, kUnitPageCount> kUnitPages{{
    {7, kStrTitleHeatTransferCoefficient, FieldGrid, 6, 1, kStrHeatTransferCoefficientLabels,
     kStrHeatTransferCoefficientUnits, 6, kPlainG7, &kOneBase, kHeatTransferCoefficientCells},
    {8, kStrTitleThermalConductivity, FieldGrid, 6, 2, kStrThermalConductivityLabels, kStrThermalConductivityUnits,
     12, kPlainG7, &kOneBase, kThermalConductivityCells},
    {9, kStrTitleHeatFlux, FieldGrid, 5, 2, kStrHeatFluxLabels, kStrHeatFluxUnits, 9, kPlainG7, &kOneBase,
     kHeatFluxCells},
    {12, kStrTitlePower, FieldGrid, 5, 2, kStrPowerLabels, kStrPowerUnits, 10, kPlainG7, &kOneBase,
     kPowerCells},
    {13, kStrTitlePressure, WideFieldGrid, 7, 2, kStrPressureLabels, kStrPressureUnits, 14,
     {ReadRule::Plain, DisplayFormat::Show(7, 7)}, &kOneBase, kPressureCells},
    {14, kStrTitleLength, WideFieldGrid, 9, 3, kStrLengthLabels, kStrLengthUnits, 25, kPlainG7, &kOneBase,
     kLengthCells},
    {15, kStrTitleArea, WideFieldGrid, 6, 3, kStrAreaLabels, kStrAreaUnits, 18, kPlainG7, &kOneBase,
     kAreaCells},
    {16, kStrTitleVelocity, WideFieldGrid, 7, 1, kStrVelocityLabels, kStrVelocityUnits, 7, kPlainG7,
     &kOneBase, kVelocityCells},
    {17, kStrTitleForce, FieldGrid, 6, 2, kStrForceLabels, kStrForceUnits, 12, {ReadRule::Typed, DisplayFormat::Show(12, 7)}, &kForceBases, kForceCells},
    {18, kStrTitleDynamicViscosity, FieldGrid, 5, 2, kStrDynamicViscosityLabels, kStrDynamicViscosityUnits, 10,
     kPlainG7, &kOneBase, kDynamicViscosityCells},
    {19, kStrTitleKinematicViscosity, FieldGrid, 6, 2, kStrKinematicViscosityLabels, kStrKinematicViscosityUnits,
     12, kPlainG7, &kOneBase, kKinematicViscosityCells},
    {20, kStrTitleDiffusion, FieldColumn, 5, 1, kStrDiffusionLabels, kStrDiffusionUnits, 5, kPlainG7,
     &kOneBase, kDiffusionCells},
    {21, kStrTitleSurfaceTension, FieldGrid, 4, 2, kStrSurfaceTensionLabels, kStrSurfaceTensionUnits, 8, kPlainG7, &kOneBase, kSurfaceTensionCells},
    {22, kStrTitleEnergy, WideFieldGrid, 9, 3, kStrEnergyLabels, kStrEnergyUnits, 27, kPlainG7, &kOneBase,
     kEnergyCells},
    {23, kStrTitleTemperatureDifference, FieldColumn, 5, 1, kStrTemperatureLabels, kStrTemperatureUnits, 5, kPlainG7, &kOneBase, kTemperatureDifferenceCells},
}};

// The grid, first ids and live count of each descriptor must agree with the cells it points at.
constexpr bool CellsAgree(const UnitPage& page)
{
    if (page.fields.size() != static_cast<std::size_t>(page.rows) * static_cast<std::size_t>(page.columns))
        return false;
    for (std::size_t k = 0; k < page.fields.size(); ++k) {
        const UnitField& cell = page.fields[k];
        const int index = static_cast<int>(k);
        if (cell.id != 10 * (index / page.rows) + index % page.rows || cell.labelId != page.firstLabelId + index ||
            cell.unitId != page.firstUnitId + index || cell.dead != (index >= page.liveCount) ||
            cell.base >= page.bases->count) {
            return false;
        }
    }
    return true;
}
static_assert(std::all_of(kUnitPages.begin(), kUnitPages.end(), CellsAgree));

}  // namespace

std::span<const UnitPage, kUnitPageCount> UnitPages()
{
    return kUnitPages;
}

const UnitPage* UnitPageAt(int pageIndex)
{
    const auto* page = std::find_if(kUnitPages.begin(), kUnitPages.end(),
                                    [pageIndex](const UnitPage& p) { return p.pageIndex == pageIndex; });
    return page == kUnitPages.end() ? nullptr : page;
}

}  // namespace tmcalc
