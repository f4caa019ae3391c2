// Every screen in every state fits a tablet at the density the X server reports (Xvfb -dpi)
// and in the languages of LAYOUT_LANGUAGES: nothing beyond the screen or the window, no
// overlapping or too small controls, no clipped label, a live view that keeps the window's
// size, menus and dialogs inside the screen, and a depth scale of at least two labels.
#include "app/appsettings.h"
#include "app/language.h"
#include "app/widgets/look.h"
#include "app/widgets/mainwindow.h"
#include "app/widgets/messageboxdialog.h"
#include "app/widgets/navbar.h"
#include "datasets/familyclasses.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/datasetwidget.h"
#include "datasets/widgets/deleteddatasetsdialog.h"
#include "datasets/widgets/transferdialogs.h"
#include "datasets/widgets/editwidget.h"
#include "layoutrules.h"
#include "recording/widgets/namewidget.h"
#include "recording/widgets/recordingvisualization.h"
#include "recording/widgets/recordingwidget.h"
#include "recording/widgets/recordingwizard.h"
#include "recording/widgets/visualizationchooser.h"
#include "simulatedwindow.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/heightfieldviewer.h"
#include "visualization/widgets/pickreadout.h"
#include "visualization/widgets/profileplot.h"

#include <QDialog>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QTimer>

namespace {
QRect screenArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QStringList languages()
{
    const QString chosen = qEnvironmentVariable("LAYOUT_LANGUAGES", "en de ar_EG zh_CN");
    return chosen.split(' ', Qt::SkipEmptyParts);
}

QString storeField(const QString& name)
{
    DataSetBrolSensor dataset;
    dataset.setProperty("length", 12);
    for (int t = 0; t < 8; ++t) {
        std::vector<std::int16_t> track;
        for (int r = 0; r < 60; ++r)
            track.push_back(std::int16_t(40 * ((r * 7 + t * 13) % 50)));
        dataset.appendTrack(track);
    }
    dataset.setName(name);
    if (const Outcome saved = dataset.save(); !saved)
        qFatal("dataset not saved: %s", qPrintable(saved.failure().reason));
    libraryDirty = true;
    return dataset.id();
}

// A Z-Series probe offers all three live views.
ScannerSimulator::Options zSeries()
{
    return TestSupport::fastWalk(1);
}
} // namespace

class TabletLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        screenDpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        applyLook(*qApp, screenDpi);
        qInfo().noquote() << QString("screen %1x%2 at %3 dpi").arg(screenArea().width()).arg(screenArea().height()).arg(screenDpi);
        storeField("North meadow");
    }

    void everyScreenFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& code : languages())
            QTest::newRow(qPrintable(code)) << code;
    }
    void everyScreenFits()
    {
        QFETCH(QString, language);
        setLanguage(language);
        libraryDirty = true;
        TestSupport::SimulatedWindow simulated(zSeries());
        MainWindow& window = simulated.window;
        window.setGeometry(screenArea());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(simulated.waitForProbe());
        failures.clear();

        check(window, "welcome");
        NavBar* bar = window.navigationBar();
        checkMenu(bar->currentSettingsMenu(), bar->settingsButtonWidget(), "settings menu");
        checkMenu(bar->languageEntries(), bar->settingsButtonWidget(), "language menu");
        checkQuitBox(window);
        window.setWizardState();
        RecordingWizard* wizard = window.recordingWizard();
        for (std::size_t page = 0; page < wizard->pageList().size(); ++page) {
            check(window, QString("wizard page %1").arg(page));
            if (page + 1 < wizard->pageList().size())
                wizard->nextPage();
        }
        window.setRecordState();
        check(window, "view chooser");
        RecordingWidget* recording = window.recordingWidget();
        QVERIFY(recording);
        const int views = int(recording->views().size());
        recording->startRecording();
        for (int v = 0; v < views; ++v) {
            recording->changeVisualization(v);
            const QString name = recording->currentVisualization()->title();
            check(window, name + " armed");
            const QSize before = window.size();
            for (int i = 0; i < 500; ++i) {
                recording->currentVisualization()->addValues({std::int16_t(800 * ((i * 37) % 11) - 4000)});
                QCoreApplication::processEvents();
            }
            if (window.size() != before)
                failures << QString("%1: the window went from %2x%3 to %4x%5 during 500 samples")
                                .arg(name).arg(before.width()).arg(before.height()).arg(window.width()).arg(window.height());
            check(window, name + " after 500 samples");
        }
        {
            NameWidget names(tr("Dataset"), &window);
            names.show();
            QVERIFY(QTest::qWaitForWindowExposed(&names));
            check(names, "name dialog");
        }

        window.setViewState();
        DatasetViewer* library = window.datasetLibrary();
        QTRY_VERIFY(!library->tiles().empty());
        check(window, "library");
        library->addDatasetToSelection(library->tiles().front()->record().identifier);
        check(window, "library with a selection");
        QTimer::singleShot(0, this, [this] { checkModal("edit dialog"); });
        library->editDataset();
        {
            DeletedDatasetsDialog trash(&window);
            trash.show();
            QVERIFY(QTest::qWaitForWindowExposed(&trash));
            check(trash, "trash dialog");
        }
        {
            TransferReceiveDialog receive(&window);
            receive.show();
            QVERIFY(QTest::qWaitForWindowExposed(&receive));
            check(receive, "receive dialog");
        }

        const DatasetRecord& first = library->tiles().front()->record();
        window.setVisualizationState(first.identifier, first.probeId);
        QVERIFY(window.heightFieldViewer());
        check(window, "3D view");
        checkMenu(bar->currentSettingsMenu(), bar->settingsButtonWidget(), "3D view menu");
        checkMenu(bar->colormapEntries(), bar->settingsButtonWidget(), "colour map menu");
        checkPickedPoint(*window.heightFieldViewer(), window);
        window.heightFieldViewer()->enableDepthAnalysis();
        check(window, "3D view, depth analysis");
        checkMenu(bar->currentSettingsMenu(), bar->settingsButtonWidget(), "depth analysis menu");
        GLWindow* view = window.heightFieldViewer()->view();
        // Snapshots and prints are read back in device pixels, the whole view.
        const QSize devicePixels = (QSizeF(view->size()) * view->devicePixelRatioF()).toSize();
        if (view->grabFramebuffer().size() != devicePixels)
            failures << QString("3D view: read back %1x%2, not the view's %3x%4 device pixels")
                            .arg(view->grabFramebuffer().width()).arg(view->grabFramebuffer().height())
                            .arg(devicePixels.width()).arg(devicePixels.height());
        view->update();
        QTRY_VERIFY2(view->depthScaleLabelCount() >= 2,
                     qPrintable(QString("%1 depth scale labels").arg(view->depthScaleLabelCount())));

        QVERIFY2(failures.isEmpty(), qPrintable("\n" + failures.mid(0, 40).join('\n')));
    }

private:
    // The read-out and profiles of a point picked in the middle, and a profile opened large.
    void checkPickedPoint(HeightFieldViewer& viewer, QWidget& window)
    {
        GLWindow& view = *viewer.view();
        QTRY_VERIFY_WITH_TIMEOUT(!view.building(), 20000);
        view.pickAt(QPointF(view.width() / 2.0, view.height() / 2.0));
        if (!view.pickedPoint()) {
            failures << "3D view: nothing picked in the middle of the view";
            return;
        }
        viewer.panelScrollArea()->ensureWidgetVisible(viewer.readout());
        check(window, "3D view, picked point");
        emit viewer.readout()->trackPlot()->opened();
        QDialog* large = viewer.findChild<QDialog*>();
        if (!large || !QTest::qWaitForWindowExposed(large)) {
            failures << "profile: not shown";
            return;
        }
        check(*large, "profile");
        large->close();
        view.pickAt(QPointF(1, 1));
    }

    void check(QWidget& window, const QString& where)
    {
        // A change of size travels up one parent per round of layout requests.
        for (int round = 0; round < 4; ++round)
            QCoreApplication::processEvents();
        failures << LayoutRules::violations(window, screenArea(), screenDpi, where);
    }

    // Checks the dialog in front and closes it.
    void checkModal(const QString& where)
    {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            failures << where + ": not shown";
            return;
        }
        if (!QTest::qWaitForWindowExposed(dialog))
            failures << where + ": not exposed";
        check(*dialog, where);
        dialog->close();
    }

    // Opens the menu under its button as a tap does: inside the screen, its controls checked.
    void checkMenu(QMenu* menu, QToolButton* button, const QString& where)
    {
        if (!menu) {
            failures << where + ": no menu";
            return;
        }
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
        if (!QTest::qWaitForWindowExposed(menu))
            failures << where + ": not exposed";
        if (!screenArea().contains(menu->geometry()))
            failures << QString("%1: %2x%3 at %4,%5 beyond the screen").arg(where).arg(menu->width())
                            .arg(menu->height()).arg(menu->x()).arg(menu->y());
        check(*menu, where);
        menu->close();
    }

    // The real box BACK asks on the welcome screen, closed unanswered.
    void checkQuitBox(MainWindow& window)
    {
        const MessageBox::Handler previous = MessageBox::setHandler([this](const MessageBox::Request& request) {
            QTimer::singleShot(0, this, [this] { checkModal("quit box"); });
            return execMessageBoxDialog(request);
        });
        window.goBack();
        MessageBox::setHandler(previous);
    }

    QStringList failures;
};

int main(int argc, char* argv[])
{
    // Unlike the other tests, the fonts follow the density the screen reports.
    TestSupport::prepareProcess();
    QApplication app(argc, argv);
    TestSupport::prepareApplication();
    TabletLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_tablet_layout.moc"
