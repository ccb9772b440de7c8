#include "conversion_benchmarks.h"

#include <benchmark/benchmark.h>

#include <string>

#include "conversion.h"
#include "conversion_tables.h"
#include "test_locales.h"

namespace nimbaro {

void registerConversionBenchmarks() {
    for (const ConversionTable* table : conversionTables()) {
        const std::string name = "ConvertAll/" + std::string(table->windowName);
        benchmark::RegisterBenchmark(name.c_str(), [table](benchmark::State& state) {
            const NumberLocale locale = test::english();
            for (auto _ : state) {
                for (std::size_t unit = 0; unit < table->options.size(); ++unit) {
                    benchmark::DoNotOptimize(convertAll(*table, unit, "1013.25", locale));
                }
            }
            state.SetItemsProcessed(state.iterations() *
                                    static_cast<std::int64_t>(table->options.size()));
            state.counters["outputs"] = static_cast<double>(table->outputs.size());
        });
    }
}

}  // namespace nimbaro
