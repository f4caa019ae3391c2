#include "recording/pairedwork.h"

#include <QThread>

PairedWork::PairedWork()
    : parallel(QThread::idealThreadCount() > 1)
{
    helper.setMaxThreadCount(1);
    helper.setExpiryTimeout(-1); // the helper thread lives as long as this object
}

PairedWork::~PairedWork()
{
    helper.waitForDone();
}

void PairedWork::run(const std::function<void(int part)>& job)
{
    if (!parallel) {
        job(0);
        job(1);
        return;
    }
    helper.start([&] {
        job(0);
        helperDone.release();
    });
    job(1);
    helperDone.acquire();
}
