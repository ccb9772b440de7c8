// Window latency under the offscreen platform (unless QT_QPA_PLATFORM says otherwise), in
// English number settings so that the sample inputs read as numbers.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <chrono>
#include <cstdio>

#include "application_style.h"
#include "launchable_windows.h"
#include "message_catcher.h"
#include "window_benchmarks.h"
#include "window_catalog.h"
#include "window_driver.h"
#include "window_registry.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform warns on every launch that it cannot raise a window; every other
// message gets through.
void withoutRaiseWarnings(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support raise()"))) {
        return;
    }
    if (qtHandler != nullptr) {
        qtHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qtHandler = qInstallMessageHandler(withoutRaiseWarnings);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    nimbaro::applyApplicationStyle(application);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }

    nimbaro::WindowRegistry registry;
    nimbaro::registerWindows(registry);
    nimbaro::test::MessageCatcher messages;

    const auto started = std::chrono::steady_clock::now();
    nimbaro::bench::waitUntilShown(registry.open(nimbaro::WindowRegistry::kHomeWindow));
    const std::chrono::duration<double, std::milli> firstHome =
        std::chrono::steady_clock::now() - started;
    const nimbaro::bench::LaunchableWindows windows = nimbaro::bench::discoverWindows(registry);
    std::printf("%zu windows besides frmHome", windows.windows.size());
    if (!windows.idleLaunchButtons.isEmpty()) {
        std::printf("; launch buttons that open nothing: %s",
                    qPrintable(windows.idleLaunchButtons.join(QStringLiteral(", "))));
    }
    std::printf("\n");

    nimbaro::bench::registerWindowBenchmarks(registry, firstHome.count(), windows, messages);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const QString& message : messages.summaries()) {
        std::printf("message box shown and dismissed: %s\n", qPrintable(message));
    }
    return messages.messages().empty() ? 0 : 1;
}
