#include "record_reader.h"

#include <algorithm>

namespace nimbaro::cli {

RecordReader::RecordReader(ByteSource& source, char delimiter, std::size_t blockSize)
    : source_(source), scanner_(delimiter), blockSize_(blockSize) {}

bool RecordReader::next(RecordBlock& block) {
    std::string& bytes = block.bytes;
    bytes.assign(pending_);
    block.records.clear();
    std::size_t complete = 0;  // the records found end here
    for (;;) {
        while (const auto record =
                   scanner_.next(std::string_view(bytes).substr(complete), atEnd_)) {
            block.records.push_back(*record);
            block.records.back().begin = complete;
            complete = block.records.back().end();
        }
        if (atEnd_ || complete >= blockSize_ ||
            (complete > 0 && source_.live() && !source_.moreAtHand())) {
            break;
        }
        const std::size_t had = bytes.size();
        const std::size_t wanted = std::max(blockSize_, std::size_t{1});
        bytes.resize(had + wanted);
        const std::size_t count = source_.read(bytes.data() + had, wanted);
        bytes.resize(had + count);
        atEnd_ = count == 0;
    }
    pending_.assign(bytes, complete);
    bytes.resize(complete);
    return !block.records.empty();
}

}  // namespace nimbaro::cli
