#include "output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "diagnostics.h"

namespace nimbaro::cli {
namespace {

// Signals raised by a fault of the program itself: returning from the handler runs the
// faulting instruction again, which the restored disposition then handles.
constexpr std::array kFaultSignals = {SIGILL, SIGTRAP, SIGBUS, SIGFPE, SIGSEGV, SIGSYS};
constexpr std::array kOtherTerminatingSignals = {SIGHUP,  SIGINT,    SIGQUIT, SIGABRT, SIGUSR1,
                                                 SIGUSR2, SIGPIPE,   SIGALRM, SIGTERM, SIGSTKFLT,
                                                 SIGXCPU, SIGVTALRM, SIGPROF, SIGIO,   SIGPWR};
constexpr int kSignalCount = 65;

// The temporary file a signal handler removes; fixed buffers, as a handler may not allocate.
std::array<char, 4096> gTemporaryPath{};
volatile std::sig_atomic_t gHasTemporary = 0;
std::array<struct sigaction, kSignalCount> gPreviousActions{};

bool isFaultSignal(int signal) {
    for (const int fault : kFaultSignals) {
        if (signal == fault) {
            return true;
        }
    }
    return false;
}

extern "C" void removeTemporaryAndDie(int signal, siginfo_t* info, void*) {
    const int savedErrno = errno;
    if (gHasTemporary != 0) {
        ::unlink(gTemporaryPath.data());
        gHasTemporary = 0;
    }
    ::sigaction(signal, &gPreviousActions[static_cast<std::size_t>(signal)], nullptr);
    // A fault returns to its instruction; a signal that was sent is sent again.
    if (!isFaultSignal(signal) || info->si_code <= 0) {
        ::raise(signal);
    }
    errno = savedErrno;
}

template <typename Each>
void forEachTerminatingSignal(Each each) {
    for (const int signal : kFaultSignals) {
        each(signal);
    }
    for (const int signal : kOtherTerminatingSignals) {
        each(signal);
    }
    for (int signal = SIGRTMIN; signal <= SIGRTMAX && signal < kSignalCount; ++signal) {
        each(signal);
    }
}

// Until commit(), every terminating signal that is not ignored removes the temporary file
// before it ends the program as it would have.
void removeTemporaryOnSignals() {
    forEachTerminatingSignal([](int signal) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) {
            return;
        }
        gPreviousActions[static_cast<std::size_t>(signal)] = previous;
        struct sigaction action {};
        action.sa_sigaction = removeTemporaryAndDie;
        action.sa_flags = SA_SIGINFO;
        sigfillset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    });
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Neither a temporary file nor a rename can work there.
bool isSystemPath(const std::string& path) {
    return path.starts_with("/dev/") || path.starts_with("/proc/");
}

}  // namespace

void setUpSignals() {
    std::signal(SIGXFSZ, SIG_IGN);
}

Output::Output(const std::string& path) {
    if (path.empty() || path == "-") {
        return;
    }
    name_ = path;
    path_ = path;
    struct stat link {};
    const bool exists = ::lstat(path.c_str(), &link) == 0;
    struct stat target {};
    if (exists && ::stat(path.c_str(), &target) != 0) {
        if (errno == ENOENT) {
            throw usageError("cannot write " + path + ": a symbolic link to nothing");
        }
        throw systemError("cannot write " + path);
    }
    if (exists && S_ISDIR(target.st_mode)) {
        errno = EISDIR;
        throw systemError("cannot write " + path);
    }
    if ((exists && !S_ISREG(target.st_mode)) || isSystemPath(path)) {
        openDirectly();
    } else {
        openTemporary();
    }
}

void Output::openDirectly() {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        throw systemError("cannot write " + name_);
    }
}

void Output::openTemporary() {
    // Through a symbolic link to the file it names, so that the link stays.
    if (char* real = ::realpath(path_.c_str(), nullptr)) {
        path_ = real;
        std::free(real);
    }
    const std::size_t slash = path_.rfind('/');
    const std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
    std::string pattern = folderOf(path_) + "/." + name + ".XXXXXX";
    if (pattern.size() >= gTemporaryPath.size()) {
        errno = ENAMETOOLONG;
        throw systemError("cannot write " + name_);
    }
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
        throw systemError("cannot create a temporary file beside " + name_);
    }
    temporaryPath_ = pattern;
    std::memcpy(gTemporaryPath.data(), pattern.c_str(), pattern.size() + 1);
    gHasTemporary = 1;
    removeTemporaryOnSignals();
    // The new file keeps the old one's permissions, or gets those a new file would get.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(path_.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd_, mode) != 0) {
        throw systemError("cannot set the permissions of " + temporaryPath_);
    }
}

Output::~Output() {
    if (!temporaryPath_.empty()) {
        gHasTemporary = 0;
        ::close(fd_);
        ::unlink(temporaryPath_.c_str());
    } else if (fd_ > 2) {
        ::close(fd_);
    }
}

void Output::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw systemError("cannot write " + name_);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void Output::commit() {
    if (temporaryPath_.empty()) {
        if (fd_ > 2) {
            const int fd = fd_;
            fd_ = -1;
            if (::close(fd) != 0) {
                throw systemError("cannot write " + name_);
            }
        }
        return;
    }
    if (::fsync(fd_) != 0) {
        throw systemError("cannot write " + name_);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        throw systemError("cannot write " + name_);
    }
    if (::rename(temporaryPath_.c_str(), path_.c_str()) != 0) {
        throw systemError("cannot replace " + name_);
    }
    gHasTemporary = 0;
    temporaryPath_.clear();
    // The rename itself lasts only once the folder is written.
    const int folder = ::open(folderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

}  // namespace nimbaro::cli
