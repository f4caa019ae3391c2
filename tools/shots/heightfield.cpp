#include "heightfield.h"

#include "app/settingskeys.h"
#include "app/widgets/mainwindow.h"
#include "app/widgets/navbar.h"
#include "datasets/familyclasses.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/heightfieldviewer.h"
#include "visualization/widgets/pickreadout.h"
#include "visualization/widgets/profileplot.h"
#include "visualization/widgets/slideraction.h"
#include "visualization/widgets/viewcontrolwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QScrollArea>
#include <QMenu>
#include <QSlider>
#include <QToolButton>
#include <cmath>

namespace {
// Twelve tracks over a gentle slope with a buried wall across them and a round find.
QString storeField()
{
    DataSetBrolSensor field;
    const int rows = 120;
    for (int t = 0; t < 12; ++t) {
        std::vector<int16_t> track(rows);
        for (int r = 0; r < rows; ++r) {
            // Zig-zag: every other track is walked back, its readings two rows late.
            const int row = t % 2 ? rows - 1 - r + 2 : r;
            const double wall = 900 * std::exp(-std::pow((row - 40 - t * 2) / 4.0, 2));
            const double find = -1400 * std::exp(-(std::pow(row - 85, 2) + std::pow((t - 8) * 10.0, 2)) / 120.0);
            track[size_t(r)] = int16_t(row * 3 + wall + find + 60 * std::sin(row * 0.3 + t));
        }
        field.appendTrack(track);
    }
    field.setName(QStringLiteral("Hill field"));
    // Placed on the map: the picked point's read-out tells its latitude and longitude.
    field.setCoordinate(QGeoCoordinate(48.137154, 11.575));
    field.setBearing(75);
    field.setProperty("width", 6.0f);
    field.setProperty("length", 12);
    return field.save() ? field.id() : QString();
}

QString fileName(const QString& out, const QString& shot, const QString& name)
{
    return out + "/heightfield-" + shot + "-" + name + ".png";
}
} // namespace

void shootHeightField(const QString& out, const QString& name, const QSize& size,
                      const std::function<void(int)>& settle, const std::function<void(const QString&)>& saveScreen)
{
    const QString id = storeField();
    if (id.isEmpty())
        return;
    MainWindow window;
    window.setGeometry(QRect(QPoint(0, 0), size));
    window.show();
    window.setVisualizationState(id, 170);
    HeightFieldViewer* viewer = window.heightFieldViewer();
    if (!viewer)
        return;
    const auto shot = [&](const QString& what) {
        settle(600);
        saveScreen(fileName(out, what, name));
    };
    shot(QStringLiteral("value"));

    const QStringList maps = {"jet", "black-body", "grey-scale", "temperature"};
    for (int k = 0; k < maps.size(); ++k) {
        viewer->colormapEntries()->actions().at(k)->trigger();
        shot("colormap-" + maps[k]);
    }
    viewer->colormapEntries()->actions().at(0)->trigger();

    // Turned and raised: the lit relief.
    viewer->panel()->scaleSlider()->setValue(60);
    viewer->view()->setXRotation(-55 * 16);
    viewer->view()->setZRotation(20 * 16);
    viewer->view()->update();
    shot(QStringLiteral("turned"));

    QAction* wireframe = viewer->findChild<QAction*>(QStringLiteral("wireframe"));
    wireframe->trigger();
    shot(QStringLiteral("wireframe"));
    wireframe->trigger();

    viewer->isolineEntry()->slider()->setValue(45);
    viewer->isolineEntry()->checkBox()->click();
    shot(QStringLiteral("isoline"));

    QToolButton* settings = window.navigationBar()->settingsButtonWidget();
    QMenu* menu = window.navigationBar()->currentSettingsMenu();
    menu->popup(settings->mapToGlobal(QPoint(0, settings->height())));
    shot(QStringLiteral("menu"));
    menu->close();
    viewer->isolineEntry()->checkBox()->click();

    viewer->view()->resetView();
    viewer->enableDepthAnalysis();
    viewer->panel()->depthSlider()->setValue(150);
    shot(QStringLiteral("depth"));
    viewer->view()->setXRotation(-55 * 16);
    viewer->view()->setZRotation(20 * 16);
    viewer->view()->update();
    shot(QStringLiteral("depth-turned"));
    viewer->enableValueAnalysis();

    // The survey cleaning, switched in its menu: the shift in the panel, the clipped legend.
    auto* filters = qobject_cast<QMenu*>(viewer->destaggerEntry()->parent());
    const QList<QAction*> cleaning = filters->actions().mid(filters->actions().size() - 3);
    for (QAction* action : cleaning)
        action->trigger();
    shot(QStringLiteral("cleaned"));
    filters->popup(viewer->mapToGlobal(QPoint(viewer->width() / 3, 10)));
    shot(QStringLiteral("filter-menu"));
    filters->close();
    for (QAction* action : cleaning)
        action->trigger();

    // A point picked on the turned view: the marker, the read-out and the profiles, and one
    // profile opened large.
    settle(600);
    viewer->view()->setXRotation(-55 * 16);
    viewer->view()->setZRotation(20 * 16);
    viewer->view()->pickAt(QPointF(viewer->view()->width() * 0.5, viewer->view()->height() * 0.5));
    shot(QStringLiteral("picked"));
    if (QScrollArea* scroll = viewer->panelScrollArea())
        scroll->ensureWidgetVisible(viewer->readout());
    shot(QStringLiteral("picked-readout"));
    emit viewer->readout()->trackPlot()->opened();
    shot(QStringLiteral("profile"));
    if (auto* large = viewer->findChild<QDialog*>())
        large->close();
}
