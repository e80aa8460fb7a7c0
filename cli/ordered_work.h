#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace rillo::cli {

// Runs `compute(i)` for every i in [0, count) on `jobs` threads, and hands the
// results to `consume(i, result)` on the calling thread in the order of i, as
// soon as each one and all before it are done. `compute` must not throw; it
// may run on any thread. `consume` returns false to stop: no further result
// is handed on and the threads end after the work they have started.
template <typename Compute, typename Consume>
void RunInOrder(std::size_t count, unsigned jobs, Compute compute, Consume consume) {
    using Result = decltype(compute(std::size_t{}));
    if (jobs <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            if (!consume(i, compute(i))) return;
        }
        return;
    }

    std::vector<std::optional<Result>> done(count);
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    auto work = [&] {
        for (std::size_t i; !stop && (i = next++) < count;) {
            Result result = compute(i);
            {
                std::lock_guard<std::mutex> lock(mutex);
                done[i].emplace(std::move(result));
            }
            ready.notify_one();
        }
    };
    std::vector<std::thread> threads;
    const std::size_t threadCount = std::min<std::size_t>(jobs, count);
    threads.reserve(threadCount);
    for (std::size_t t = 0; t < threadCount; ++t) {
        try {
            threads.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // the system gives no more threads: go on with those there are
        }
    }
    if (threads.empty()) {
        for (std::size_t i = 0; i < count; ++i) {
            if (!consume(i, compute(i))) return;
        }
        return;
    }

    // The threads are joined however the consumer ends, a throw included.
    struct Joiner {
        std::vector<std::thread>& threads;
        std::atomic<bool>& stop;
        ~Joiner() {
            stop = true;
            for (std::thread& thread : threads) thread.join();
        }
    } joiner{threads, stop};
    for (std::size_t i = 0; i < count; ++i) {
        std::optional<Result> result;
        {
            std::unique_lock<std::mutex> lock(mutex);
            ready.wait(lock, [&] { return done[i].has_value(); });
            result.swap(done[i]);
        }
        if (!consume(i, std::move(*result))) return;
    }
}

}  // namespace rillo::cli
