#include "conversion_benchmarks.h"

#include <benchmark/benchmark.h>

#include <string>

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
    }
}

}  // namespace nimbaro
