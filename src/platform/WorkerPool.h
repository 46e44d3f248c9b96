// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A few threads that run jobs handed to them, in the order they were handed over. Used for
// decoding pictures side by side without a thread per picture.
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

class WorkerPool {
public:
    explicit WorkerPool(size_t threads);
    // Runs the jobs still waiting, then ends the threads.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    std::future<bool> Submit(std::function<bool()> job);

private:
    void Work();

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::packaged_task<bool()>> jobs;
    bool stopping = false;
    std::vector<std::thread> threads;
};
