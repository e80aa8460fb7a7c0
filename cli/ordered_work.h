#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace rillo::cli {

// Takes items from `produce(item)` (false: there are no more) on the calling
// thread, runs `compute(item)` for each on `jobs` threads, and hands each
// item and its result to `consume(item, result)` on the calling thread in
// the order they were taken, as soon as it and all before it are done. At
// most `window` items are taken and not yet consumed, so memory stays bounded
// however many items there are. `compute` must not throw; it may run on any
// thread. `consume` returns false to stop: no further item is taken or handed
// on, and the threads end after the work they have started. A throw from
// `produce` or `consume` leaves after the threads have ended.
template <typename Item, typename Produce, typename Compute, typename Consume>
void RunStreamInOrder(unsigned jobs, std::size_t window, Produce produce, Compute compute, Consume consume) {
    using Result = decltype(compute(std::declval<Item&>()));
    auto runHere = [&] {
        for (Item item; produce(item);) {
            Result result = compute(item);
            if (!consume(item, std::move(result))) return;
        }
    };
    window = std::max<std::size_t>(window, 1);
    if (jobs <= 1) return runHere();

    struct Slot {
        std::optional<Item> item;
        std::optional<Result> result;
    };
    std::vector<Slot> slots(window);
    std::mutex mutex;
    std::condition_variable work, ready;
    std::size_t taken = 0, started = 0;  // items taken from `produce`, items being computed or done
    bool noMore = false, stop = false;
    auto worker = [&] {
        for (;;) {
            std::size_t n;
            {
                std::unique_lock<std::mutex> lock(mutex);
                work.wait(lock, [&] { return stop || noMore || started < taken; });
                if (stop || started == taken) return;
                n = started++;
            }
            Slot& slot = slots[n % window];
            Result result = compute(*slot.item);
            {
                std::lock_guard<std::mutex> lock(mutex);
                slot.result.emplace(std::move(result));
            }
            ready.notify_one();
        }
    };
    // A thread is started for each item taken until there are `jobs`, so a
    // short stream starts no more threads than it has items.
    std::vector<std::thread> threads;
    threads.reserve(jobs);
    bool moreThreads = true;
    auto addThread = [&] {
        try {
            threads.emplace_back(worker);
        } catch (const std::system_error&) {
            moreThreads = false;  // the system gives no more threads: go on with those there are
        }
        moreThreads = moreThreads && threads.size() < jobs;
    };
    addThread();
    if (threads.empty()) return runHere();

    // The threads are joined however the consumer ends, a throw included.
    struct Joiner {
        std::vector<std::thread>& threads;
        std::mutex& mutex;
        std::condition_variable& work;
        bool& stop;
        ~Joiner() {
            {
                std::lock_guard<std::mutex> lock(mutex);
                stop = true;
            }
            work.notify_all();
            for (std::thread& thread : threads) thread.join();
        }
    } joiner{threads, mutex, work, stop};
    for (std::size_t consumed = 0;; ++consumed) {
        while (!noMore && taken - consumed < window) {
            Item item;
            const bool more = produce(item);
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (more) {
                    slots[taken % window].item.emplace(std::move(item));
                    ++taken;
                } else {
                    noMore = true;
                }
            }
            if (more) {
                if (moreThreads && taken > threads.size()) addThread();
                work.notify_one();
            } else {
                work.notify_all();
            }
        }
        if (consumed == taken) return;
        Slot& slot = slots[consumed % window];
        {
            std::unique_lock<std::mutex> lock(mutex);
            ready.wait(lock, [&] { return slot.result.has_value(); });
        }
        Item item = std::move(*slot.item);
        Result result = std::move(*slot.result);
        slot.item.reset();
        slot.result.reset();
        if (!consume(item, std::move(result))) return;
    }
}

// Runs `compute(i)` for every i in [0, count) on `jobs` threads, and hands the
// results to `consume(i, result)` on the calling thread in the order of i, as
// RunStreamInOrder does.
template <typename Compute, typename Consume>
void RunInOrder(std::size_t count, unsigned jobs, Compute compute, Consume consume) {
    std::size_t next = 0;
    RunStreamInOrder<std::size_t>(
        jobs, std::size_t{16} * std::max(jobs, 1u), [&](std::size_t& i) { return next < count && (i = next++, true); },
        [&](std::size_t& i) { return compute(i); },
        [&](std::size_t& i, auto result) { return consume(i, std::move(result)); });
}

}  // namespace rillo::cli
