// Draws the 3D view of the "hills" fields in every mode the view has and writes each picture
// as PNG, so that two builds of the program can be compared pixel by pixel
// (scripts/compare-pictures.sh). Run under xvfb-run with QT_QPA_PLATFORM=xcb.
#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "hillsfield.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/heightfieldviewer.h"
#include "visualization/widgets/slideraction.h"
#include "visualization/widgets/viewcontrolwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

namespace {
// The view's terrain is built when the view says so.
void settle(HeightFieldViewer& viewer)
{
    QCoreApplication::processEvents();
    while (viewer.view()->building())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();
}

void drawField(const QString& out, int tracks, int rows)
{
    const auto dataset = hillsDataset(tracks, rows);
    HeightFieldViewer viewer;
    viewer.resize(1280, 800);
    viewer.show();
    QCoreApplication::processEvents();
    viewer.setDataset(dataset.get());
    settle(viewer);
    const QString field = QStringLiteral("%1/%2x%3-").arg(out).arg(tracks).arg(rows);
    const auto shoot = [&](const QString& what) {
        settle(viewer);
        viewer.view()->grabFramebuffer().save(field + what + ".png");
    };
    const QStringList maps = {"jet", "black-body", "grey-scale", "temperature"};
    for (int k = 0; k < maps.size(); ++k) {
        viewer.colormapEntries()->actions().at(k)->trigger();
        shoot("value-" + maps[k]);
    }
    viewer.colormapEntries()->actions().at(0)->trigger();
    viewer.panel()->scaleSlider()->setValue(60);
    viewer.view()->setXRotation(-55 * 16);
    viewer.view()->setZRotation(20 * 16);
    shoot(QStringLiteral("turned"));
    viewer.isolineEntry()->slider()->setValue(45);
    viewer.isolineEntry()->checkBox()->click();
    shoot(QStringLiteral("isoline"));
    viewer.isolineEntry()->checkBox()->click();
    QAction* wireframe = viewer.findChild<QAction*>(QStringLiteral("wireframe"));
    wireframe->trigger();
    shoot(QStringLiteral("wireframe"));
    wireframe->trigger();
    viewer.enableDepthAnalysis();
    viewer.panel()->depthSlider()->setValue(150);
    shoot(QStringLiteral("depth"));
    viewer.view()->resetView();
    shoot(QStringLiteral("depth-front"));
    viewer.enableValueAnalysis();
    Settings::outlierFilter.write(true);
    viewer.updateView();
    shoot(QStringLiteral("outlier"));
    Settings::outlierFilter.write(false);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: sorvanel-terrain-pictures OUTPUT-FOLDER [TRACKSxROWS...]\n");
        return 2;
    }
    openAppSettings(home.path() + "/options.ini");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QStringList fields;
    for (int i = 2; i < argc; ++i)
        fields << QString::fromLocal8Bit(argv[i]);
    if (fields.isEmpty())
        fields = QStringList{QStringLiteral("40x330"), QStringLiteral("200x2000")};
    for (const QString& field : fields) {
        const QStringList size = field.split('x');
        if (size.size() == 2)
            drawField(out, size[0].toInt(), size[1].toInt());
    }
    return 0;
}
