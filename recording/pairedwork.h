#pragma once

#include <QSemaphore>
#include <QThreadPool>

#include <functional>

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
    QThreadPool helper;
    QSemaphore helperDone;
    bool parallel;
};
