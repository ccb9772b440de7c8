#include "progress.h"

#include <unistd.h>

#include <cstdio>

namespace nimbaro::cli {
namespace {

constexpr auto kInterval = std::chrono::milliseconds(250);

}  // namespace

Progress::Progress(std::optional<std::uint64_t> totalBytes)
    : enabled_(totalBytes && *totalBytes > 0 && ::isatty(STDERR_FILENO) == 1),
      totalBytes_(totalBytes.value_or(0)) {}

Progress::~Progress() {
    finish();
}

void Progress::update(std::uint64_t rows, std::uint64_t bytesDone) {
    const Clock::time_point now = Clock::now();
    if (!enabled_ || now - lastShown_ < kInterval || bytesDone == 0) {
        return;
    }
    lastShown_ = now;
    shown_ = true;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double fraction = static_cast<double>(bytesDone) / static_cast<double>(totalBytes_);
    const auto left = static_cast<long long>(seconds / fraction - seconds + 0.5);
    std::fprintf(stderr, "\r%llu rows  %.2f M rows/s  %3.0f %%  %lld:%02lld left\x1b[K",
                 static_cast<unsigned long long>(rows), static_cast<double>(rows) / seconds / 1e6,
                 fraction * 100, left / 60, left % 60);
    std::fflush(stderr);
}

void Progress::finish() {
    if (shown_) {
        std::fputs("\r\x1b[K", stderr);
        shown_ = false;
    }
}

}  // namespace nimbaro::cli
