#include "output_file.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
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

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The temporary file's name, ".NAME.nimbaro-calc-XXXXXX", within the longest name a folder
// takes: a long NAME is shortened, never in the middle of a UTF-8 character.
std::string temporaryName(std::string name) {
    constexpr std::string_view kSuffix = ".nimbaro-calc-XXXXXX";
    constexpr std::size_t kLongestName = 255;
    std::size_t length = std::min(name.size(), kLongestName - 1 - kSuffix.size());
    while (length > 0 && length < name.size() &&
           (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) {
        --length;
    }
    name.resize(length);
    return "." + name + std::string(kSuffix);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// "alice:staff", or the numbers where the names are unknown.
std::string ownerText(const struct stat& status) {
    const passwd* user = ::getpwuid(status.st_uid);
    const group* userGroup = ::getgrgid(status.st_gid);
    return (user != nullptr ? std::string(user->pw_name) : std::to_string(status.st_uid)) + ":" +
           (userGroup != nullptr ? std::string(userGroup->gr_name) : std::to_string(status.st_gid));
}

}  // namespace

void setUpSignals() {
    std::signal(SIGXFSZ, SIG_IGN);
}

Output::Output(const std::string& path, const struct stat& input) {
    if (path.empty() || path == "-") {
        struct stat standardOutput {};
        if (::fstat(fd_, &standardOutput) == 0) {
            refuseTheInput(standardOutput, input);
        }
        return;
    }
    name_ = path;
    path_ = path;
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        const int error = errno;
        struct stat link {};
        if (error == ENOENT && ::lstat(path.c_str(), &link) == 0) {
            throw usageError("cannot write " + path + ": a symbolic link to nothing");
        }
        errno = error;
        if (error != ENOENT) {
            throw systemError("cannot write " + path);
        }
        openReplacement(nullptr);
        return;
    }
    if (S_ISDIR(target.st_mode)) {
        errno = EISDIR;
        throw systemError("cannot write " + path);
    }
    // What standard output or error already writes to is written as the shell opened it (>>
    // appends; a socket cannot be opened by its path), never replaced behind the shell's back.
    for (const int fd : {1, 2}) {
        struct stat standard {};
        if (::fstat(fd, &standard) == 0 && sameFile(standard, target)) {
            name_ = fd == 1 ? "standard output" : "standard error";
            fd_ = fd;
            refuseTheInput(target, input);
            return;
        }
    }
    if (S_ISREG(target.st_mode)) {
        openReplacement(&target);
        return;
    }
    openDirectly(target, input);
}

void Output::refuseTheInput(const struct stat& written, const struct stat& input) const {
    if ((S_ISREG(written.st_mode) || S_ISFIFO(written.st_mode)) && sameFile(written, input)) {
        throw usageError("cannot write " + name_ +
                         ": it is the log being read, which would read its own results; give "
                         "-o another file, or the log's own name to replace the log once the "
                         "results are complete");
    }
}

void Output::openDirectly(const struct stat& target, const struct stat& input) {
    refuseTheInput(target, input);
    fd_ = ::open(path_.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        throw systemError("cannot write " + name_);
    }
}

void Output::openReplacement(const struct stat* old) {
    // The file itself, in its folder as the system names it: through a symbolic link, so that
    // the link stays, and through /proc/self/cwd or /dev/stdin alike.
    const std::string found = old != nullptr ? path_ : folderOf(path_);
    char* real = ::realpath(found.c_str(), nullptr);
    if (real == nullptr && old != nullptr) {
        throw systemError("cannot write " + name_);
    }
    if (real != nullptr) {
        path_ = old != nullptr ? std::string(real) : std::string(real) + "/" + nameOf(path_);
        std::free(real);
    }
    struct stat named {};
    if (old != nullptr && (::stat(path_.c_str(), &named) != 0 || !sameFile(named, *old))) {
        throw usageError("cannot replace " + name_ + ": it has no name of its own in a folder");
    }
    if (old != nullptr && old->st_nlink > 1) {
        throw usageError("cannot replace " + name_ + ": it has " + std::to_string(old->st_nlink) +
                         " hard links, which a new file would part from it; write to another "
                         "file");
    }
    std::string pattern = folderOf(path_) + "/" + temporaryName(nameOf(path_));
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
    // A constructor that throws has no destructor to remove the temporary file.
    try {
        if (old != nullptr) {
            keepOwnerAndPermissions(*old);
        } else {
            // The permissions a new file would get.
            const mode_t mask = ::umask(0);
            ::umask(mask);
            if (::fchmod(fd_, 0666 & ~mask) != 0) {
                throw systemError("cannot set the permissions of " + temporaryPath_);
            }
        }
    } catch (...) {
        discardTemporary();
        throw;
    }
}

void Output::keepOwnerAndPermissions(const struct stat& old) {
    struct stat made {};
    if (::fstat(fd_, &made) != 0) {
        throw systemError("cannot write " + temporaryPath_);
    }
    if ((made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
        ::fchown(fd_, old.st_uid, old.st_gid) != 0) {
        throw usageError("cannot replace " + name_ + ": it belongs to " + ownerText(old) +
                         ", which a new file made by " + ownerText(made) +
                         " cannot keep; write to another file");
    }
    // An access control list grants more than the permission bits show.
    constexpr const char* kAccessList = "system.posix_acl_access";
    const ssize_t size = ::getxattr(path_.c_str(), kAccessList, nullptr, 0);
    if (size > 0) {
        std::string list(static_cast<std::size_t>(size), '\0');
        const ssize_t read = ::getxattr(path_.c_str(), kAccessList, list.data(), list.size());
        if (read < 0 ||
            ::fsetxattr(fd_, kAccessList, list.data(), static_cast<std::size_t>(read), 0) != 0) {
            throw systemError("cannot keep the access control list of " + name_);
        }
    }
    // Never the set-user-ID or set-group-ID bit: a log's results are no program to run as
    // their owner.
    if (::fchmod(fd_, old.st_mode & 07777 & ~mode_t{S_ISUID | S_ISGID}) != 0) {
        throw systemError("cannot set the permissions of " + temporaryPath_);
    }
}

Output::~Output() {
    if (!temporaryPath_.empty()) {
        discardTemporary();
    } else if (fd_ > 2) {
        ::close(fd_);
    }
}

void Output::discardTemporary() {
    gHasTemporary = 0;
    ::close(fd_);
    ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
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
