#pragma once

#include <cstddef>
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

// Cuts a log into blocks of whole records. Record boundaries do not depend on how the bytes
// arrive: a record may span any number of reads.
class RecordReader {
  public:
    // Blocks of at least `blockSize` bytes of records from a file; from a live source,
    // whatever whole records have arrived when no more bytes are at hand.
    RecordReader(ByteSource& source, char delimiter, std::size_t blockSize);

    // Replaces the contents of `block` with the next records; false when none are left.
    bool next(RecordBlock& block);

  private:
    ByteSource& source_;
    RecordScanner scanner_;
    std::size_t blockSize_;
    std::string pending_;  // the start of the record being read
    bool atEnd_ = false;
};

}  // namespace nimbaro::cli
