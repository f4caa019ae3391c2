#pragma once

#include "app/appsettings.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

// A private documents folder and settings store for the benchmark process, made once, and
// the debug log kept out of the figures.
inline void prepareOnce()
{
    static QTemporaryDir home;
    static bool done = false;
    if (done)
        return;
    done = true;
    qputenv("HOME", home.path().toUtf8());
    qunsetenv("XDG_DOCUMENTS_DIR");
    QStandardPaths::setTestModeEnabled(true);
    openAppSettings(home.path() + "/options.ini");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}
