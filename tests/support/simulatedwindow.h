#pragma once

// For screen tests only: the main window lives in the screens layer.
#include "app/devices/probesession.h"
#include "app/widgets/mainwindow.h"
#include "testenvironment.h"

namespace TestSupport {

// The main window on a simulated probe: the simulator on loopback, every message box
// answered, and the window shown (at `size`, unless that is empty).
struct SimulatedWindow
{
    explicit SimulatedWindow(ScannerSimulator::Options walk, QSize size = QSize())
        : scanner(std::move(walk))
    {
        if (!size.isEmpty())
            window.resize(size);
        window.show();
    }

    ProbeInterface* probe() const { return window.findChild<ProbeSession*>()->probe(); }
    // Until the window has identified the simulated probe.
    bool waitForProbe(int ms = 6000)
    {
        return QTest::qWaitFor([this] { return probe() != nullptr; }, ms);
    }

    InProcessScanner scanner;
    MessageBoxSpy boxes;
    MainWindow window;
};

} // namespace TestSupport
