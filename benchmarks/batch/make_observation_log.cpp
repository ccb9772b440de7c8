// make_observation_log ROWS PATH: writes a CSV log of ROWS air temperature and humidity
// readings, the same bytes for the same ROWS on every machine: the header "T,RH", then one
// reading a line, the temperature from -40.0 to 45.0 °C and the humidity from 1.0 to 100.0 %,
// each with one decimal.
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <string_view>

namespace {

// Tenths written as a decimal with one place: -123 as "-12.3".
char* writeTenths(char* out, int tenths) {
    if (tenths < 0) {
        *out++ = '-';
        tenths = -tenths;
    }
    out = std::to_chars(out, out + 8, tenths / 10).ptr;
    *out++ = '.';
    *out++ = static_cast<char>('0' + tenths % 10);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    long long rows = 0;
    if (argc != 3 ||
        std::from_chars(argv[1], argv[1] + std::string_view(argv[1]).size(), rows).ec !=
            std::errc() ||
        rows < 0) {
        std::cerr << "usage: make_observation_log ROWS PATH\n";
        return 2;
    }
    std::ofstream log(argv[2], std::ios::binary);
    // The engine's output is fixed by the standard for a given seed; the distributions are not,
    // so the readings are taken from it by plain arithmetic.
    std::mt19937_64 engine(20261207);
    std::string block = "T,RH\n";
    constexpr std::size_t kBlockSize = 1 << 20;
    char line[32];
    for (long long row = 0; row < rows; ++row) {
        const std::uint64_t draw = engine();
        const int temperature = static_cast<int>(draw % 851) - 400;
        const int humidity = static_cast<int>((draw >> 32) % 991) + 10;
        char* end = writeTenths(line, temperature);
        *end++ = ',';
        end = writeTenths(end, humidity);
        *end++ = '\n';
        block.append(line, end);
        if (block.size() >= kBlockSize) {
            log << block;
            block.clear();
        }
    }
    log << block;
    log.flush();
    if (!log) {
        std::cerr << "make_observation_log: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
