#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace nimbaro::cli {

// A file that cannot be read or written; the message names it and the reason.
struct IoError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Where a log's results go: standard output, or a file that is replaced only when the whole
// log is in it. The file is written as a temporary file in the same folder and renamed over
// the old one by commit(); until then an error, Ctrl+C, SIGTERM or SIGHUP removes the
// temporary file and leaves the old one as it was.
class Output {
  public:
    // Standard output for an empty path.
    explicit Output(const std::string& path);
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void write(std::string_view bytes);
    void commit();

  private:
    int fd_ = 1;
    std::string path_;
    std::string temporaryPath_;
};

}  // namespace nimbaro::cli
