#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace nimbaro::cli {

// Blocks go round a ring of slots: the reading thread fills a free slot, a worker computes it,
// a writing thread delivers the slots in the order they were filled. The ring bounds the
// memory; the order of the output is the order of the input. Delivery runs on its own thread,
// so that a block is delivered as soon as it is computed, even while the reader waits for a
// live log's next line.
template <typename Block>
class BlockPipeline {
  public:
    using Work = std::function<void(Block&)>;
    // False stops the run: no later block is delivered.
    using Deliver = std::function<bool(Block&)>;

    // `onStop` runs once when delivery stops early (by `deliver` or by its exception), so
    // that the reader can be woken.
    BlockPipeline(std::size_t workers, const std::function<Work()>& makeWork, Deliver deliver,
                  std::function<void()> onStop)
        : slots_(2 * workers + 2), deliver_(std::move(deliver)), onStop_(std::move(onStop)) {
        for (std::size_t i = 0; i < workers; ++i) {
            threads_.emplace_back([this, work = makeWork()] { compute(work); });
        }
        threads_.emplace_back([this] { write(); });
    }
    ~BlockPipeline() {
        {
            const std::lock_guard lock(mutex_);
            closing_ = true;
        }
        changed_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }
    BlockPipeline(const BlockPipeline&) = delete;
    BlockPipeline& operator=(const BlockPipeline&) = delete;

    // The next free slot, once there is one; nothing once delivery has stopped.
    Block* freeSlot() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopped_ || filled_ - delivered_ < slots_.size(); });
        return stopped_ ? nullptr : &slots_[filled_ % slots_.size()].block;
    }
    // Hands the slot of freeSlot() to the workers.
    void submit() {
        {
            const std::lock_guard lock(mutex_);
            slots_[filled_ % slots_.size()].state = State::Ready;
            ++filled_;
        }
        changed_.notify_all();
    }
    // No more blocks come: waits until every block is delivered or delivery stopped, and
    // throws what delivery threw.
    void finish() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopped_ || delivered_ == filled_; });
        if (failure_) {
            std::rethrow_exception(failure_);
        }
    }

  private:
    enum class State { Free, Ready, Working, Done };
    struct Slot {
        Block block;
        State state = State::Free;
    };

    void compute(const Work& work) {
        for (;;) {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return closing_ || taken_ < filled_; });
            if (closing_) {
                return;
            }
            Slot& slot = slots_[taken_++ % slots_.size()];
            slot.state = State::Working;
            lock.unlock();
            work(slot.block);
            lock.lock();
            slot.state = State::Done;
            lock.unlock();
            changed_.notify_all();
        }
    }

    void write() {
        for (;;) {
            std::unique_lock lock(mutex_);
            Slot& slot = slots_[delivered_ % slots_.size()];
            changed_.wait(lock, [&] {
                return closing_ || stopped_ || (delivered_ < filled_ && slot.state == State::Done);
            });
            if (closing_ || stopped_) {
                return;
            }
            lock.unlock();
            bool more = false;
            try {
                more = deliver_(slot.block);
            } catch (...) {
                failure_ = std::current_exception();
            }
            lock.lock();
            slot.state = State::Free;
            ++delivered_;
            stopped_ = !more;
            lock.unlock();
            changed_.notify_all();
            if (!more) {
                onStop_();
                return;
            }
        }
    }

    std::vector<Slot> slots_;
    Deliver deliver_;
    std::function<void()> onStop_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t filled_ = 0;     // blocks handed to the workers
    std::size_t taken_ = 0;      // blocks a worker has taken
    std::size_t delivered_ = 0;  // blocks delivered
    bool stopped_ = false;
    bool closing_ = false;
    std::exception_ptr failure_;
};

}  // namespace nimbaro::cli
