#include "record_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "diagnostics.h"

namespace nimbaro::cli {
namespace {

// How many blocks' worth of bytes a quote may stay open before the record's end is looked for:
// far more than any record of a log needs, far less than memory holds.
constexpr std::size_t kOpenQuoteBlocks = 16;

std::string temporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder != nullptr && *folder != '\0' ? folder : "/tmp";
}

}  // namespace

std::uint64_t linesEnded(const RecordBlock& block) {
    // Only a quoted field holds line breaks: the rest end records.
    std::uint64_t lines = 0;
    for (const RecordSpan& record : block.records) {
        lines += (record.terminatorLength > 0 ? 1 : 0) +
                 (record.quoted
                      ? lineBreaksIn(
                            std::string_view(block.bytes).substr(record.begin, record.bodyLength))
                      : 0);
    }
    const bool splitCrLf = !block.records.empty() && block.records.front().lineFeedOfCrLf;
    return lines - (splitCrLf ? 1 : 0);
}

Spool::Spool() {
    std::string pattern = temporaryFolder() + "/nimbaro-calc-XXXXXX";
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
        throw systemError("cannot create a temporary file in " + temporaryFolder());
    }
    ::unlink(pattern.c_str());
}

Spool::~Spool() {
    ::close(fd_);
}

void Spool::append(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count =
            ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(written_));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            throw systemError("cannot keep the log in a temporary file in " + temporaryFolder());
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
        written_ += static_cast<std::uint64_t>(count);
    }
}

std::size_t Spool::read(char* into, std::size_t size) {
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(size, written_ - read_));
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t count =
            ::pread(fd_, into + done, wanted - done, static_cast<off_t>(read_ + done));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            throw systemError("cannot read the log again from a temporary file in " +
                              temporaryFolder());
        }
        done += static_cast<std::size_t>(count);
    }
    read_ += done;
    return done;
}

RecordReader::RecordReader(ByteSource& source, char delimiter, std::size_t blockSize)
    : source_(source),
      scanner_(delimiter),
      readSize_(std::max(blockSize, std::size_t{1})),
      window_(kOpenQuoteBlocks * readSize_) {}

void RecordReader::raiseRecordCost(std::size_t bytes) {
    std::size_t cost = recordCost_.load(std::memory_order_relaxed);
    while (cost < bytes && !recordCost_.compare_exchange_weak(cost, bytes)) {
    }
}

std::size_t RecordReader::read(char* into, std::size_t size) {
    if (spool_) {
        if (const std::size_t count = spool_->read(into, size)) {
            return count;
        }
        spool_.reset();
    }
    return source_.read(into, size);
}

void RecordReader::findRecordEnd(std::string_view record) {
    // The record is read again from the file, or else from a copy of what a pipe gave.
    const std::optional<std::uint64_t> position = source_.position();
    std::unique_ptr<Spool> copy;
    if (!position) {
        copy = std::make_unique<Spool>();
        copy->append(record);
    }
    std::optional<std::size_t> neverClosed;
    std::string piece(record.substr(scanner_.scanned()));
    for (;;) {
        scanner_.forget();
        const std::size_t had = piece.size();
        piece.resize(had + readSize_);
        const std::size_t count = read(piece.data() + had, readSize_);
        piece.resize(had + count);
        if (copy) {
            copy->append(std::string_view(piece).substr(had));
        }
        if (count == 0) {
            neverClosed = scanner_.openQuote();
            break;
        }
        const std::size_t pieceStart = scanner_.scanned();
        if (RecordSpan ended; scanner_.next(piece, false, ended)) {
            break;
        }
        piece.erase(0, scanner_.scanned() - pieceStart);
    }
    if (copy) {
        // What an earlier copy still holds comes after what was read here.
        if (spool_) {
            piece.resize(readSize_);
            while (const std::size_t count = spool_->read(piece.data(), readSize_)) {
                copy->append(std::string_view(piece).substr(0, count));
            }
        }
        spool_ = std::move(copy);
    } else {
        source_.rewind(*position - record.size());
    }
    scanner_.restart(neverClosed);
    atEnd_ = false;
}

bool RecordReader::next(RecordBlock& block) {
    std::string& bytes = block.bytes;
    bytes.assign(pending_);
    block.records.clear();
    std::size_t complete = 0;  // the records found end here
    const bool header = !anyRecord_;
    const auto full = [&] {
        return (header && anyRecord_) ||
               complete + block.records.size() * recordCost_.load(std::memory_order_relaxed) >=
                   readSize_;
    };
    for (;;) {
        while (!full()) {
            RecordSpan& record = block.records.emplace_back();
            if (!scanner_.next(std::string_view(bytes).substr(complete), atEnd_, record)) {
                block.records.pop_back();
                break;
            }
            record.begin = complete;
            complete = record.end();
            rereading_ = false;
            anyRecord_ = true;
        }
        if (atEnd_ || full()) {
            break;
        }
        // A row of a live log goes out once its line has ended, even at a CR that may still
        // turn out to be the first half of a CRLF; the header may wait.
        const bool carriageReturnWaits = anyRecord_ && scanner_.endsInCarriageReturn();
        if ((complete > 0 || carriageReturnWaits) && source_.live() && !source_.moreAtHand()) {
            if (carriageReturnWaits) {
                block.records.push_back(scanner_.endAtCarriageReturn());
                block.records.back().begin = complete;
                complete = block.records.back().end();
            }
            break;
        }
        if (!rereading_ && bytes.size() - complete > window_ && scanner_.openQuote()) {
            findRecordEnd(std::string_view(bytes).substr(complete));
            bytes.resize(complete);
            rereading_ = true;
            continue;
        }
        const std::size_t had = bytes.size();
        bytes.resize(had + readSize_);
        const std::size_t count = read(bytes.data() + had, readSize_);
        bytes.resize(had + count);
        atEnd_ = count == 0;
    }
    pending_.assign(bytes, complete);
    bytes.resize(complete);
    return !block.records.empty();
}

}  // namespace nimbaro::cli
