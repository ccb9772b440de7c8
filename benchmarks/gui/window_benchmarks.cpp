#include "window_benchmarks.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <string>

#include "launchable_windows.h"
#include "message_catcher.h"
#include "window_driver.h"
#include "window_registry.h"

namespace nimbaro::bench {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void homeShown(benchmark::State& state, WindowRegistry& registry, double firstMilliseconds) {
    for (auto _ : state) {
        if (QWidget* open = registry.find(WindowRegistry::kHomeWindow)) {
            open->close();
            settle();
        }
        const auto started = Clock::now();
        const bool shown = waitUntilShown(registry.open(WindowRegistry::kHomeWindow));
        state.SetIterationTime(secondsSince(started));
        if (!shown) {
            state.SkipWithError("frmHome was not shown");
            break;
        }
    }
    state.counters["first_ms"] = firstMilliseconds;
}

void windowOpened(benchmark::State& state, WindowRegistry& registry,
                  const LaunchableWindow& target) {
    double closing = 0;
    for (auto _ : state) {
        registry.open(WindowRegistry::kHomeWindow);
        const auto started = Clock::now();
        QWidget* window = launch(registry, target);
        const bool shown = window != nullptr && waitUntilShown(window);
        state.SetIterationTime(secondsSince(started));
        if (!shown) {
            state.SkipWithError("the window was not shown");
            break;
        }
        const auto closeStarted = Clock::now();
        close(window);
        settle();
        closing += secondsSince(closeStarted);
    }
    state.counters["close_ms"] =
        benchmark::Counter(closing * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["first_ms"] = target.firstOpenMilliseconds;
}

void buttonClicked(benchmark::State& state, WindowRegistry& registry,
                   const LaunchableWindow& target, const QString& buttonName,
                   const test::MessageCatcher& messages) {
    QWidget* window = launch(registry, target);
    if (window == nullptr || !waitUntilShown(window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    auto* button = window->findChild<QPushButton*>(buttonName);
    const std::size_t messagesBefore = messages.messages().size();
    for (auto _ : state) {
        fillInputs(window);
        clearOutputs(window);
        settle();
        const auto started = Clock::now();
        QTest::mouseClick(button, Qt::LeftButton);
        // Draws the labels the click wrote.
        QCoreApplication::processEvents();
        state.SetIterationTime(secondsSince(started));
        if (messages.messages().size() != messagesBefore) {
            const std::string message = messages.summaries().back().toStdString();
            state.SkipWithError(("message shown: " + message).c_str());
            break;
        }
        if (!hasOutput(window)) {
            state.SkipWithError("the click wrote no output");
            break;
        }
    }
    close(window);
    settle();
}

}  // namespace

void registerWindowBenchmarks(WindowRegistry& registry, double firstHomeMilliseconds,
                              const LaunchableWindows& windows,
                              const test::MessageCatcher& messages) {
    benchmark::RegisterBenchmark("show/frmHome",
                                 [&registry, firstHomeMilliseconds](benchmark::State& state) {
                                     homeShown(state, registry, firstHomeMilliseconds);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    for (const LaunchableWindow& window : windows.windows) {
        const std::string name = window.name.toStdString();
        benchmark::RegisterBenchmark(
            ("open/" + name).c_str(),
            [&registry, window](benchmark::State& state) { windowOpened(state, registry, window); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    for (const LaunchableWindow& window : windows.windows) {
        for (const QString& button : window.computeButtons) {
            const std::string name =
                "click/" + window.name.toStdString() + "/" + button.toStdString();
            benchmark::RegisterBenchmark(
                name.c_str(),
                [&registry, &messages, window, button](benchmark::State& state) {
                    buttonClicked(state, registry, window, button, messages);
                })
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

}  // namespace nimbaro::bench
