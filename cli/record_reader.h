#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "byte_streams.h"
#include "csv.h"

namespace nimbaro::cli {

// A run of whole records and where each lies in it.
struct RecordBlock {
    std::string bytes;
    std::vector<RecordSpan> records;
};

// The number of lines a block's records end, the LF of a CRLF split over two blocks counted
// with its CR.
std::uint64_t linesEnded(const RecordBlock& block);

// Bytes kept in a temporary file without a name, to be read again in the same order.
class Spool {
  public:
    Spool();
    ~Spool();
    Spool(const Spool&) = delete;
    Spool& operator=(const Spool&) = delete;

    void append(std::string_view bytes);
    // Reads what was appended and not read yet; 0 once all is read.
    std::size_t read(char* into, std::size_t size);

  private:
    int fd_;
    std::uint64_t written_ = 0;
    std::uint64_t read_ = 0;
};

// Cuts a log into blocks of whole records. Record boundaries do not depend on how the bytes
// arrive: a record may span any number of reads. The memory held is bounded by the longest
// record: a quote left open for more than a window of bytes makes the reader look ahead for
// the record's end without keeping the bytes (a quote that is never closed ends its record at
// the next line end, however much of the log follows), and then read the record again, from
// the file or from a spool of what a pipe gave.
class RecordReader {
  public:
    // Blocks of at least `blockSize` bytes of records from a file; from a live source,
    // whatever whole records have arrived when no more bytes are at hand. The first record,
    // the header, comes in a block of its own.
    RecordReader(ByteSource& source, char delimiter, std::size_t blockSize);

    // Replaces the contents of `block` with the next records; false when none are left.
    bool next(RecordBlock& block);
    // Makes each record count as at least this many bytes more toward a block's size: what
    // its results add to the output, so that a block's output stays within bounds too. Safe
    // from any thread.
    void raiseRecordCost(std::size_t bytes);

  private:
    // The next bytes: what the spool holds first, then the source's.
    std::size_t read(char* into, std::size_t size);
    // Reads on to where the record that starts with `record` ends, keeping no more than a
    // block of it, and goes back to the record's first byte.
    void findRecordEnd(std::string_view record);

    ByteSource& source_;
    RecordScanner scanner_;
    std::size_t readSize_;  // the block size, at least a byte
    std::size_t window_;    // how long a quote stays open before the record's end is looked for
    std::atomic<std::size_t> recordCost_ = 0;
    std::string pending_;  // the start of the record being read
    bool atEnd_ = false;
    bool rereading_ = false;  // the record being read is one whose end was looked for
    bool anyRecord_ = false;
    std::unique_ptr<Spool> spool_;
};

}  // namespace nimbaro::cli
