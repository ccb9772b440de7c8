#include "file_source.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "diagnostics.h"

namespace nimbaro::cli {

FileSource::FileSource(const std::string& path) : name_(path == "-" ? "standard input" : path) {
    if (path != "-") {
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) {
            throw systemError("cannot read " + path);
        }
    }
    if (::fstat(fd_, &status_) != 0) {
        throw systemError("cannot read " + name_);
    }
    if (S_ISDIR(status_.st_mode)) {
        errno = EISDIR;
        throw systemError("cannot read " + name_);
    }
    if (S_ISREG(status_.st_mode)) {
        size_ = static_cast<std::uint64_t>(status_.st_size);
    }
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
        throw systemError("cannot read " + name_);
    }
}

FileSource::~FileSource() {
    if (fd_ != 0) {
        ::close(fd_);
    }
    ::close(wake_[0]);
    ::close(wake_[1]);
}

std::size_t FileSource::read(char* into, std::size_t size) {
    for (;;) {
        // A live log may keep a read waiting for a long time: it also wakes for interrupt().
        pollfd ready[2] = {{fd_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(ready, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw systemError("cannot read " + name_);
        }
        if (ready[1].revents != 0) {
            throw ReadingStopped{};
        }
        const ssize_t count = ::read(fd_, into, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR && errno != EAGAIN) {
            throw systemError("cannot read " + name_);
        }
    }
}

bool FileSource::moreAtHand() {
    if (size_) {
        return true;
    }
    pollfd ready = {fd_, POLLIN, 0};
    return ::poll(&ready, 1, 0) > 0;
}

std::optional<std::uint64_t> FileSource::position() {
    if (!size_) {
        return std::nullopt;
    }
    const off_t offset = ::lseek(fd_, 0, SEEK_CUR);
    if (offset < 0) {
        throw systemError("cannot read " + name_);
    }
    return static_cast<std::uint64_t>(offset);
}

void FileSource::rewind(std::uint64_t position) {
    if (::lseek(fd_, static_cast<off_t>(position), SEEK_SET) < 0) {
        throw systemError("cannot read " + name_ + " again");
    }
}

void FileSource::interrupt() {
    const char wake = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wake_[1], &wake, 1);
}

}  // namespace nimbaro::cli
