#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace nimbaro::cli {

// Where a log's bytes come from.
class ByteSource {
  public:
    virtual ~ByteSource() = default;

    // Reads at most `size` bytes into `into`, waiting for some; 0 at the end of the log.
    // Throws Failure on a read error and ReadingStopped once interrupt() was called.
    virtual std::size_t read(char* into, std::size_t size) = 0;
    // Whether rows go out as soon as they are complete: the log arrives as it is written (a
    // pipe or a terminal), not from a file.
    virtual bool live() const = 0;
    // Whether a read would find bytes without waiting.
    virtual bool moreAtHand() = 0;
    // Makes a read that waits, or the next one, throw ReadingStopped. Safe from any thread.
    virtual void interrupt() = 0;
    // Where the next read starts, in a source that can go back to read again (a file); nothing
    // in one that cannot (a pipe).
    virtual std::optional<std::uint64_t> position() = 0;
    // Goes back to a position() given before.
    virtual void rewind(std::uint64_t position) = 0;
};

struct ReadingStopped {};

// Where a log's results go. Throws Failure when the bytes cannot be written.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual void write(std::string_view bytes) = 0;
};

}  // namespace nimbaro::cli
