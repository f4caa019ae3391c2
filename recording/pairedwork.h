#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Runs a job in two parts at once: part 0 on a helper thread that is kept for the next call,
// part 1 on the calling thread. Returns when both are done, so whatever the helper wrote is
// visible to the caller afterwards. Runs both parts on the calling thread when the machine has
// a single core.
class PairedWork
{
public:
    PairedWork();
    ~PairedWork();
    PairedWork(const PairedWork&) = delete;
    PairedWork& operator=(const PairedWork&) = delete;

    void run(const std::function<void(int part)>& job);

private:
    void serve();

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable finished;
    const std::function<void(int)>* pending = nullptr;
    bool helperBusy = false;
    bool quitting = false;
    std::thread helper;
};
