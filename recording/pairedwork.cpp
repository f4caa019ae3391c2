#include "recording/pairedwork.h"

PairedWork::PairedWork()
{
    if (std::thread::hardware_concurrency() > 1)
        helper = std::thread([this] { serve(); });
}

PairedWork::~PairedWork()
{
    if (!helper.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        quitting = true;
    }
    wake.notify_one();
    helper.join();
}

void PairedWork::run(const std::function<void(int part)>& job)
{
    if (!helper.joinable()) {
        job(0);
        job(1);
        return;
    }
    {
        const std::lock_guard<std::mutex> lock(mutex);
        pending = &job;
        helperBusy = true;
    }
    wake.notify_one();
    job(1);
    std::unique_lock<std::mutex> lock(mutex);
    finished.wait(lock, [this] { return !helperBusy; });
}

void PairedWork::serve()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return pending || quitting; });
        if (quitting)
            return;
        const std::function<void(int)>* job = pending;
        pending = nullptr;
        lock.unlock();
        (*job)(0);
        lock.lock();
        helperBusy = false;
        finished.notify_one();
    }
}
