// Throughput of the number rules on the texts and values a window meets: the one parser,
// the plain number text and the fixed formatting of FormatOutputs.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "number_text.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

const std::vector<std::string> kEnglishTexts = {"1013.25", "-40",    "1,234,567.891", "0.00042",
                                                "1.5E+20", " 25.4 ", "99999.99999",   "7"};
const std::vector<std::string> kFrenchTexts = {"1013,25",
                                               "-40",
                                               "1\xE2\x80\xAF"
                                               "234\xE2\x80\xAF"
                                               "567,891",
                                               "0,00042",
                                               "1,5E+20",
                                               " 25,4 ",
                                               "99999,99999",
                                               "7"};
const std::vector<double> kValues = {1013.25, -40.0,   1234567.891, 0.00042, 1.5e20,
                                     25.4,    2.0 / 3, -0.000001,   7.0,     99999.99999};

void ParseNumber(benchmark::State& state, const std::vector<std::string>& texts,
                 const NumberLocale& locale) {
    for (auto _ : state) {
        for (const std::string& text : texts) {
            benchmark::DoNotOptimize(parseNumber(text, locale));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK_CAPTURE(ParseNumber, english, kEnglishTexts, test::english());
BENCHMARK_CAPTURE(ParseNumber, french, kFrenchTexts, test::french());

void NumberToText(benchmark::State& state) {
    const NumberLocale locale = test::english();
    for (auto _ : state) {
        for (double value : kValues) {
            benchmark::DoNotOptimize(numberToText(value, locale));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValues.size()));
}
BENCHMARK(NumberToText);

void FormatFixed(benchmark::State& state) {
    const NumberLocale locale = test::english();
    const int decimals = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (double value : kValues) {
            benchmark::DoNotOptimize(formatFixed(value, decimals, locale));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValues.size()));
}
BENCHMARK(FormatFixed)->ArgName("decimals")->Arg(2)->Arg(5);

}  // namespace
}  // namespace nimbaro
