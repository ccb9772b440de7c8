#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace nimbaro::cli {

enum ExitStatus {
    kSuccess = 0,
    kBadRows = 1,           // a log was written, but some rows have no results
    kUsageError = 2,        // a usage or input error, or a file that cannot be read or written
    kComputationFault = 3,  // the inputs are valid, but no result can be computed from them
    kInternalError = 4,     // a fault of the program itself
};

// What ends a run before its work is done: the exit status it gives, and the one line that
// says why. Anything else thrown is a fault of the program, never taken for a usage error.
class Failure : public std::runtime_error {
  public:
    Failure(ExitStatus status, const std::string& message)
        : std::runtime_error(message), status_(status) {}

    ExitStatus status() const { return status_; }

  private:
    ExitStatus status_;
};

// A usage or input error, or a file that cannot be read or written (exit status 2).
inline Failure usageError(const std::string& message) {
    return Failure(kUsageError, message);
}

// The reason of the C library's last failure appended: "cannot read x.csv: No such file".
Failure systemError(const std::string& what);

// One line on standard error, after the program's name.
void complain(std::string_view message);

// A text from the user or a log, quoted for a message: "abc". Control characters are escaped
// and a long text is cut after about 80 characters, so that one line stays one short line.
std::string inQuotes(std::string_view text);

}  // namespace nimbaro::cli
