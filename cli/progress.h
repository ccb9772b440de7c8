#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace nimbaro::cli {

// A one-line progress bar on standard error: rows, rate and time left. Shown only for a log of
// known size while standard error is a terminal, a few times a second.
class Progress {
  public:
    // Nothing shown without a size.
    explicit Progress(std::optional<std::uint64_t> totalBytes);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void update(std::uint64_t rows, std::uint64_t bytesDone);
    // Clears the line.
    void finish();

  private:
    using Clock = std::chrono::steady_clock;

    bool enabled_ = false;
    bool shown_ = false;
    std::uint64_t totalBytes_ = 0;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_ = start_;
};

}  // namespace nimbaro::cli
