#pragma once

#include <string>
#include <string_view>

#include "byte_streams.h"

namespace nimbaro::cli {

// Where a log's results go. Standard output for an empty path or "-". A regular file, new or
// old, is written as a temporary file in its folder and renamed over the old one by commit(),
// so that it is replaced only once the whole log is in it: until then a failure or a
// terminating signal removes the temporary file and leaves the old one as it was. Anything
// else (a device, a FIFO, a path under /dev or /proc such as /dev/stdout) is written
// directly, as it cannot be replaced. A symbolic link is followed to the file it names, and
// stays; a link to nothing, or a loop, is an error.
class Output : public ByteSink {
  public:
    explicit Output(const std::string& path);
    ~Output() override;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void write(std::string_view bytes) override;
    void commit();

  private:
    void openDirectly();
    void openTemporary();

    int fd_ = 1;
    std::string name_ = "standard output";  // for messages: the path as given
    std::string path_;                      // the file written, links resolved
    std::string temporaryPath_;
};

// Terminating signals that were ignored when the program started stay ignored (under nohup,
// or in the background), and a file-size limit becomes a write error rather than a signal.
// Call once, before an Output is made.
void setUpSignals();

}  // namespace nimbaro::cli
