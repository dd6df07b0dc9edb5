// make_tablef - writes opdata/TableF.data, the table of saturated moist air
// used by the infiltration load.
//
//   make_tablef FILE     write the table to FILE
//   make_tablef --check  compare the formulas with published reference values
//
// Saturation pressure: Hyland-Wexler formulas as given in ASHRAE Handbook -
// Fundamentals, chapter 1 (Psychrometrics), I-P edition: eq. 5 over ice
// (-148 to 32 F), eq. 6 over liquid water (32 to 392 F). Humidity ratio at
// saturation Ws = 0.621945 pws / (p - pws) at p = 14.696 psia; enthalpy of moist
// air h = 0.240 t + W (1061 + 0.444 t) Btu/lb of dry air.
//
// The output is Windows-1252 text with CR LF line ends, the format of every
// data table of the program. Numbers are written with a decimal point in the
// classic "C" locale, so the file is the same on every machine.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kFirstTemp = -80;  // F
constexpr int kLastTemp = 140;   // F
constexpr double kPressure = 14.696;  // psia, standard atmosphere
constexpr double kMolarRatio = 0.621945;
constexpr double kRankine = 459.67;

// Saturation pressure of water vapour in psia at dry-bulb temperature t in F.
double SaturationPressure(double t) {
    const double T = t + kRankine;
    if (t < 32.0) {  // over ice
        const double c1 = -1.0214165e4, c2 = -4.8932428, c3 = -5.3765794e-3,
                     c4 = 1.9202377e-7, c5 = 3.5575832e-10, c6 = -9.0344688e-14,
                     c7 = 4.1635019;
        return std::exp(c1 / T + c2 + c3 * T + c4 * T * T + c5 * T * T * T +
                        c6 * T * T * T * T + c7 * std::log(T));
    }
    // over liquid water
    const double c8 = -1.0440397e4, c9 = -1.1294650e1, c10 = -2.7022355e-2,
                 c11 = 1.2890360e-5, c12 = -2.4780681e-9, c13 = 6.5459673;
    return std::exp(c8 / T + c9 + c10 * T + c11 * T * T + c12 * T * T * T +
                    c13 * std::log(T));
}

double OverIceAt32() {
    // Eq. 5 evaluated at exactly 32 F, for the continuity check.
    return SaturationPressure(31.999999999);
}

double SaturationHumidityRatio(double t) {
    const double pws = SaturationPressure(t);
    return kMolarRatio * pws / (kPressure - pws);
}

double DryAirEnthalpy(double t) { return 0.240 * t; }

double VapourEnthalpy(double t, double w) { return w * (1061.0 + 0.444 * t); }

// Fixed notation with the given number of significant digits (no exponent, so
// every table reader can take the number).
std::string Significant(double x, int digits) {
    int decimals = digits - 1;
    if (x != 0.0) decimals = digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(x))));
    if (decimals < 0) decimals = 0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
    return buf;
}

std::string Fixed(double x, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
    std::string s = buf;
    if (s == "-0.0000") s = "0.0000";  // -0 never appears in the table
    return s;
}

const char* const kHeader[] = {
    "Saturated moist air at standard atmospheric pressure 14.696 psia, by dry-bulb temperature.",
    "Source: ASHRAE Handbook - Fundamentals, chapter 1 Psychrometrics. Saturation pressure by the",
    "Hyland-Wexler formulas (eq. 5 over ice below 32 \xB0""F, eq. 6 over liquid water from 32 \xB0""F);",
    "Ws = 0.621945 pws / (p - pws); moist-air enthalpy h = 0.240 t + W (1061 + 0.444 t).",
    "Column 1: dry-bulb temperature t, \xB0""F.",
    "Column 2: humidity ratio at saturation Ws, lb water per lb dry air.",
    "Column 3: enthalpy of the dry air ha = 0.240 t, Btu per lb dry air.",
    "Column 4: enthalpy of saturated air minus that of dry air, hs - ha = Ws (1061 + 0.444 t), Btu per lb dry air.",
    "The infiltration load takes h(t, RH) = ha + mu (hs - ha) with the degree of saturation",
    "mu = RH / (1 + (1 - RH) Ws / 0.621945). Written by tools/tablef/make_tablef; do not edit by hand.",
};

int Write(const char* path) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) {
        std::fprintf(stderr, "make_tablef: cannot write %s\n", path);
        return 2;
    }
    for (const char* line : kHeader) std::fprintf(f, "%s\r\n", line);
    std::fprintf(f, "#t \xB0""F\tWs lb/lb\tha Btu/lb\ths-ha Btu/lb\r\n");
    for (int t = kFirstTemp; t <= kLastTemp; ++t) {
        const double ws = SaturationHumidityRatio(t);
        std::fprintf(f, "%d\t%s\t%s\t%s\r\n", t, Significant(ws, 7).c_str(),
                     Fixed(DryAirEnthalpy(t), 4).c_str(), Fixed(VapourEnthalpy(t, ws), 4).c_str());
    }
    const bool ok = std::fclose(f) == 0;
    return ok ? 0 : 2;
}

// Published values of saturated air (ASHRAE Fundamentals, chapter 1, table 2)
// and of the saturation pressure; the formulas must agree within 0.5 %. The
// handbook's table includes the enhancement factor of moist air (about 1.004 at
// sea level), which the ideal-gas humidity ratio here leaves out, so Ws comes
// out about 0.45 % below it. hs is near zero around 0 F, so its tolerance is
// 0.5 % of the value but never less than 0.01 Btu/lb.
int Check() {
    struct Ref { double t, ws, hs; };
    const Ref refs[] = {
        {-4.0, 0.0006373, -0.286},
        {23.0, 0.0024863, 8.186},
        {41.0, 0.005425, 15.699},
        {77.0, 0.020173, 40.576},
    };
    const double rel_tol = 0.005;
    int failures = 0, checks = 0;
    auto expect = [&](const char* what, double t, double got, double want, double abs_floor) {
        const double diff = std::fabs(got - want);
        const bool ok = diff <= std::fmax(rel_tol * std::fabs(want), abs_floor);
        std::printf("%-4s %-15s t=%6.1f  got %-12.7g reference %-10.7g (%.3f %%)\n",
                    ok ? "ok" : "FAIL", what, t, got, want, diff / std::fabs(want) * 100.0);
        ++checks;
        if (!ok) ++failures;
    };
    for (const Ref& r : refs) {
        const double ws = SaturationHumidityRatio(r.t);
        expect("Ws", r.t, ws, r.ws, 0.0);
        expect("hs", r.t, DryAirEnthalpy(r.t) + VapourEnthalpy(r.t, ws), r.hs, 0.01);
    }
    // Triple point: both formulas give 0.08865 psia at 32 F.
    expect("pws over water", 32.0, SaturationPressure(32.0), 0.08865, 0.0);
    expect("pws over ice", 32.0, OverIceAt32(), 0.08865, 0.0);
    // Boiling point at standard pressure.
    expect("pws over water", 212.0, SaturationPressure(212.0), 14.696, 0.0);
    std::printf("reference values: %d of %d agree\n", checks - failures, checks);
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--check") == 0) return Check();
    if (argc == 2 && argv[1][0] != '-') return Write(argv[1]);
    std::fprintf(stderr, "usage: make_tablef FILE | make_tablef --check\n");
    return 2;
}
