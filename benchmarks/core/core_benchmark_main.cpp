#include <benchmark/benchmark.h>

#include "conversion_benchmarks.h"
#include "formula_benchmarks.h"

int main(int argc, char* argv[]) {
    nimbaro::registerConversionBenchmarks();
    nimbaro::registerFormulaBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
