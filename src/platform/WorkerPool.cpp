// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WorkerPool.h"

WorkerPool::WorkerPool(size_t count) {
    for (size_t i = 0; i < count; ++i)
        threads.emplace_back([this] { Work(); });
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    for (std::thread& thread : threads)
        thread.join();
}

std::future<bool> WorkerPool::Submit(std::function<bool()> job) {
    std::packaged_task<bool()> task(std::move(job));
    std::future<bool> result = task.get_future();
    if (threads.empty()) { // no threads: the job runs here and now
        task();
        return result;
    }
    {
        std::lock_guard lock(mutex);
        jobs.push_back(std::move(task));
    }
    wake.notify_one();
    return result;
}

void WorkerPool::Work() {
    for (;;) {
        std::packaged_task<bool()> task;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return stopping || !jobs.empty(); });
            if (jobs.empty()) return;
            task = std::move(jobs.front());
            jobs.pop_front();
        }
        task();
    }
}
