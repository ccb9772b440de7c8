#include "conversion_benchmarks.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "quantities.h"
#include "test_locales.h"

namespace nimbaro {

void registerConversionBenchmarks() {
    for (const Quantity* quantity : quantities()) {
        const std::string name = "Convert/" + std::string(quantity->id);
        benchmark::RegisterBenchmark(name.c_str(), [quantity](benchmark::State& state) {
            const NumberLocale locale = test::english();
            const std::size_t units = quantity->units.size();
            for (auto _ : state) {
                for (std::size_t unit = 0; unit < units; ++unit) {
                    benchmark::DoNotOptimize(convert(*quantity, unit, "1013.25", locale));
                }
            }
            state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(units));
            state.counters["outputs"] = static_cast<double>(units);
        });
        // The same from numbers, as an array module calls it for each element.
        const std::string numbers = "ConvertNumbers/" + std::string(quantity->id);
        benchmark::RegisterBenchmark(numbers.c_str(), [quantity](benchmark::State& state) {
            const std::size_t units = quantity->units.size();
            std::vector<double> out(units);
            double input = 1013.25;
            for (auto _ : state) {
                for (std::size_t unit = 0; unit < units; ++unit) {
                    benchmark::DoNotOptimize(input);
                    benchmark::DoNotOptimize(convert(*quantity, unit, input, out));
                }
            }
            state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(units));
            state.counters["outputs"] = static_cast<double>(units);
        });
    }
}

}  // namespace nimbaro
