// nimbaro-calc: every conversion and calculation of Nimbaro's windows from the command line,
// for one value or for every row of a CSV log, with the digits the windows show.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "command_line.h"
#include "diagnostics.h"
#include "output_file.h"

namespace {

// Descriptors 0 to 2 are open before anything else is, so that no file the program opens
// takes the place of one (the report of a log written into its output). A closed one gets
// /dev/null, opened the other way round, so that using it still fails as it would have.
void openStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
            ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        }
    }
}

// What is still buffered for standard output (the help, say) goes out; a full disk or a
// closed output is an error, never a success.
int finishStandardOutput(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        nimbaro::cli::complain(std::string("cannot write standard output: ") +
                               std::strerror(errno));
        return status == nimbaro::cli::kSuccess || status == nimbaro::cli::kBadRows
                   ? nimbaro::cli::kUsageError
                   : status;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace nimbaro::cli;
    openStandardDescriptors();
    setUpSignals();
    int status = kInternalError;
    try {
        status = runCommandLine(argc, argv);
    } catch (const Failure& failure) {
        complain(failure.what());
        status = failure.status();
    } catch (const std::exception& fault) {
        complain(std::string("internal error: ") + fault.what());
    }
    return finishStandardOutput(status);
}
