// The floor the module's dew point is measured against: the windows' dew point formula over
// arrays in a plain loop with glibc's pow and log, with no checks, notes or fault guard. Loaded
// by python_bench.py through ctypes.
#include <cmath>
#include <cstddef>

extern "C" void bare_dew_points(const double* air, const double* humidity, double* dewPoint,
                                std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const double saturation = 6.11 * std::pow(10.0, 7.5 * air[i] / (air[i] + 237.7));
        const double logarithm = std::log(humidity[i] * saturation / 100);
        dewPoint[i] = (logarithm * 237.7 - 430.22) / (19.08 - logarithm);
    }
}
