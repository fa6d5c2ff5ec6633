// Links the installed tmcalc::tmcalc_core and checks two published values through it.
#include <rtd/platinum.h>
#include <thermocouple/reference_functions.h>
#include <thermocouple/thermocouple_type.h>

#include <cmath>
#include <cstdio>

int main()
{
    // Type K at 1000 °C: 41.276 mV (NIST ITS-90 thermocouple tables); the K function works in µV.
    const double emf = tmcalc::TcEmf(tmcalc::ThermocoupleType::K, 1000.0);
    const double back = tmcalc::TcTemperature(tmcalc::ThermocoupleType::K, emf);
    // Pt100 at 100 °C: 138.5055 Ω (IEC 60751).
    const double r = tmcalc::PtResistance(100.0, 100.0);
    std::printf("K 1000 C = %.3f uV, back %.4f C; Pt100 100 C = %.4f ohm\n", emf, back, r);
    // The inverse polynomial of type K is within 0.06 °C of the reference function above 500 °C.
    const bool ok =
        std::abs(emf - 41276.0) < 0.5 && std::abs(back - 1000.0) < 0.06 && std::abs(r - 138.5055) < 5e-5;
    return ok ? 0 : 1;
}
