#include "output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace nimbaro::cli {
namespace {

constexpr std::array kInterruptions = {SIGINT, SIGTERM, SIGHUP};

// The temporary file a signal handler removes; a fixed buffer, as a handler may not allocate.
std::array<char, 4096> gTemporaryPath{};
volatile std::sig_atomic_t gHasTemporary = 0;

extern "C" void removeTemporaryAndDie(int signal) {
    if (gHasTemporary != 0) {
        ::unlink(gTemporaryPath.data());
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

IoError ioError(const std::string& what, const std::string& path) {
    return IoError(what + " " + path + ": " + std::strerror(errno));
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

Output::Output(const std::string& path) {
    if (path.empty()) {
        return;
    }
    // Through a symbolic link to the file it names, so that the link stays.
    path_ = path;
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        path_ = real;
        std::free(real);
    }
    const std::size_t slash = path_.rfind('/');
    const std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
    std::string pattern = folderOf(path_) + "/." + name + ".XXXXXX";
    if (pattern.size() >= gTemporaryPath.size()) {
        errno = ENAMETOOLONG;
        throw ioError("cannot write", path);
    }
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) {
        throw ioError("cannot create a temporary file beside", path);
    }
    temporaryPath_ = pattern;
    std::memcpy(gTemporaryPath.data(), pattern.c_str(), pattern.size() + 1);
    gHasTemporary = 1;
    for (const int signal : kInterruptions) {
        std::signal(signal, removeTemporaryAndDie);
    }
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
        throw ioError("cannot set the permissions of", temporaryPath_);
    }
}

Output::~Output() {
    if (temporaryPath_.empty()) {
        return;
    }
    gHasTemporary = 0;
    ::close(fd_);
    ::unlink(temporaryPath_.c_str());
}

void Output::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw ioError("cannot write", path_.empty() ? "to standard output" : path_);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void Output::commit() {
    if (temporaryPath_.empty()) {
        return;
    }
    if (::fsync(fd_) != 0) {
        throw ioError("cannot write", path_);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        throw ioError("cannot write", path_);
    }
    if (::rename(temporaryPath_.c_str(), path_.c_str()) != 0) {
        throw ioError("cannot replace", path_);
    }
    gHasTemporary = 0;
    temporaryPath_.clear();
    // The rename itself lasts only once the folder is written.
    const int folder = ::open(folderOf(path_).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

}  // namespace nimbaro::cli
