#pragma once

#include "app/messagebox.h"
#include "scannersimulator.h"

// Widget tests get a QApplication, the others a QGuiApplication (they link no widgets).
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#define SORVANEL_TEST_APPLICATION QApplication
#else
#include <QGuiApplication>
#define SORVANEL_TEST_APPLICATION QGuiApplication
#endif
#include <QList>
#include <QStringList>
#include <QtTest>
#include <functional>
#include <memory>


namespace TestSupport {

// Before the application object exists: a private HOME (so the documents folder is a
// temporary one) and Qt's test mode for the standard paths.
void prepareProcess();
// After the application object exists: resources, a fresh settings store in the private
// documents folder, and the scanner address pointed at loopback before anything connects.
void prepareApplication();
// Empties the settings store and points the scanner address at loopback again.
void resetSettings();
// resetSettings(), then an empty documents folder: no datasets, no trash. False when the
// folder could not be emptied.
bool resetSettingsAndDocuments();

// Answers every message box the program asks for, and remembers what was asked.
class MessageBoxSpy
{
public:
    MessageBoxSpy();
    ~MessageBoxSpy();
    // Answers given in order; when none is queued, Ok (or Yes) is pressed.
    void queueAnswer(MessageBox::StandardButton answer) { answers.append(answer); }
    const QList<MessageBox::Request>& requests() const { return asked; }
    void clear() { asked.clear(); }

private:
    MessageBox::Handler previous;
    QList<MessageBox::Request> asked;
    QList<MessageBox::StandardButton> answers;
};

// Collects the debug log while it lives.
class DebugLog
{
public:
    DebugLog();
    ~DebugLog();
    QStringList lines() const;
    int count(const QString& fragment) const;
};

// A scanner simulator on 127.0.0.1 with a free port, with the settings pointed at it.
class InProcessScanner
{
public:
    // Host and port of the options are replaced by 127.0.0.1 and a free port.
    explicit InProcessScanner(ScannerSimulator::Options options = {});
    ~InProcessScanner();
    ScannerSimulator& simulator() { return *sim; }
    quint16 port() const;

private:
    std::unique_ptr<ScannerSimulator> sim;
};

// A simulator walk fast enough for tests: 0.9 s per track, 0.45 s stops, a message every
// 15 ms, battery 1 % (a new recorder accepts the first message) and no drain.
ScannerSimulator::Options fastWalk(int probeId, bool encipher = true);

// A loopback port on which nothing listens.
quint16 closedLoopbackPort();

// The pages of the PDF file at `path` (0 when it is missing or no PDF).
int pdfPageCount(const QString& path);

} // namespace TestSupport

// Like QTEST_MAIN, with the program's test environment prepared around the application.
#define SORVANEL_TEST_MAIN(TestObject)                                                     \
    int main(int argc, char* argv[])                                                       \
    {                                                                                      \
        TestSupport::prepareProcess();                                                     \
        SORVANEL_TEST_APPLICATION app(argc, argv);                                                    \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                           \
        TestSupport::prepareApplication();                                                 \
        TestObject tc;                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                         \
        return QTest::qExec(&tc, argc, argv);                                              \
    }
