#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "byte_streams.h"

namespace nimbaro::cli {

// Where a log's results go. Standard output for an empty path or "-", and for a path to what
// standard output or standard error already writes to (/dev/stdout: a pipe, a socket, a file
// the shell appends to). Any other regular file, new or old, is written as a temporary file in
// its folder, named after it, and renamed over it by commit(), so that it is replaced only once
// the whole log is in it: until then a failure or a terminating signal removes the temporary
// file and leaves the old one as it was. The replacement keeps the old file's owner, group,
// permissions (never the set-user-ID or set-group-ID bit) and access control list; a file whose
// owner or group this user cannot give to a new file, or one with more than one hard link, is
// refused. What is no regular file (a device, a FIFO, a terminal) is written directly. A
// symbolic link is followed to the file it names, and stays; a link to nothing, or a loop, is an
// error. The log being read is refused as an output written directly, which would read its own
// results.
class Output : public ByteSink {
  public:
    Output(const std::string& path, const struct stat& input);
    ~Output() override;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void write(std::string_view bytes) override;
    void commit();

  private:
    void openDirectly(const struct stat& target, const struct stat& input);
    void openReplacement(const struct stat* old);
    void keepOwnerAndPermissions(const struct stat& old);
    void refuseTheInput(const struct stat& written, const struct stat& input) const;
    void discardTemporary();

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
