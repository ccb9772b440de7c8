#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>

#include "byte_streams.h"

namespace nimbaro::cli {

// A log in a file, or on standard input for "-".
class FileSource : public ByteSource {
  public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::size_t read(char* into, std::size_t size) override;
    bool live() const override { return !size_; }
    bool moreAtHand() override;
    void interrupt() override;
    std::optional<std::uint64_t> position() override;
    void rewind(std::uint64_t position) override;

    // The size of a regular file; nothing for a pipe or a terminal.
    std::optional<std::uint64_t> size() const { return size_; }
    // What the log is: its type, device and inode.
    const struct stat& status() const { return status_; }

  private:
    std::string name_;  // for messages
    int fd_ = 0;
    struct stat status_ {};
    std::optional<std::uint64_t> size_;
    int wake_[2] = {-1, -1};  // a pipe whose reading end wakes a read that waits
};

}  // namespace nimbaro::cli
