#pragma once

#include <array>

namespace tmcalc {

// NIST ITS-90 reference functions of types S and B and the approximate inverse of B, as published in
// NIST Monograph 175, E in µV (the inverse's d_i are published for E in mV and are kept as d_i x 1000^-i).
// The standard S and B calculations use them exactly; the working set overrides a few entries.

inline constexpr std::array<double, 9> kPublishedSEmf0{  // -50 to 1064.18 °C
    0.0,
    5.40313308631E+00,
    1.25934289740E-02,
    -2.32477968689E-05,
    3.22028823036E-08,
    -3.31465196389E-11,
    2.55744251786E-14,
    -1.25068871393E-17,
    2.71443176145E-21,
};
inline constexpr std::array<double, 5> kPublishedSEmf1{  // 1064.18 to 1664.5 °C
    1.32900444085E+03,
    3.34509311344E+00,
    6.54805192818E-03,
    -1.64856259209E-06,
    1.29989605174E-11,
};
inline constexpr std::array<double, 5> kPublishedSEmf2{  // 1664.5 to 1768.1 °C
    1.46628232636E+05,
    -2.58430516752E+02,
    1.63693574641E-01,
    -3.30439046987E-05,
    -9.43223690612E-12,
};
inline constexpr std::array<double, 7> kPublishedBEmf0{  // 0 to 630.615 °C
    0.0,
    -2.46508183460E-01,
    5.90404211710E-03,
    -1.32579316360E-06,
    1.56682919010E-09,
    -1.69445292400E-12,
    6.29903470940E-16,
};
inline constexpr std::array<double, 9> kPublishedBEmf1{  // 630.615 to 1820 °C
    -3.89381686210E+03,
    2.85717474700E+01,
    -8.48851047850E-02,
    1.57852801640E-04,
    -1.68353448640E-07,
    1.11097940130E-10,
    -4.45154310330E-14,
    9.89756408210E-18,
    -9.37913302890E-22,
};
inline constexpr std::array<double, 9> kPublishedBInverse0{  // 250 to 700 °C, 291 to 2431 µV
    9.8423321E+01,
    6.9971500E-01,
    -8.4765304E-04,
    1.0052644E-06,
    -8.3345952E-10,
    4.5508542E-13,
    -1.5523037E-16,
    2.9886750E-20,
    -2.4742860E-24,
};
inline constexpr std::array<double, 9> kPublishedBInverse1{  // 700 to 1820 °C, 2431 to 13820 µV
    2.1315071E+02,
    2.8510504E-01,
    -5.2742887E-05,
    9.9160804E-09,
    -1.2965303E-12,
    1.1195870E-16,
    -6.0625199E-21,
    1.8661696E-25,
    -2.4878585E-30,
};

}  // namespace tmcalc
