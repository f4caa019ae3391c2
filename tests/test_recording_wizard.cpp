#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterface.h"
#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"
#include "datasets/datasetproperties.h"
#include "recording/widgets/fielddimensionwidget.h"
#include "recording/nowidgetsexception.h"
#include "recording/widgets/recordingwizard.h"
#include "recording/walkingdirectiongeometry.h"
#include "recording/widgets/walkingdirectionpainterwidget.h"
#include "recording/widgets/walkingdirectionwidget.h"
#include "recording/wizardpageplan.h"
#include "recording/widgets/wizardwidget.h"
#include "testenvironment.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QToolButton>
#include <memory>

Q_DECLARE_METATYPE(QList<PropertyEntry>)

namespace G = WalkingDirectionGeometry;
using Kind = WizardPagePlan::PageKind;

namespace {
class FakeProperties : public DatasetProperties
{
public:
    QList<PropertyEntry> entries;
    QList<PropertyEntry> allEntries() const override { return entries; }
    QList<PropertyEntry> propertyList() const override { return {}; }
    QList<PropertyEntry> fieldDimensionInput() const override { return entries; }
};

class FakeProbe : public ProbeInterface
{
public:
    explicit FakeProbe(QList<PropertyEntry> entries) { props.entries = std::move(entries); }
    QString displayName() override { return QStringLiteral("Fake"); }
    DatasetProperties* properties() override { return &props; }
    DataRecorder* recorder() override { return nullptr; }
    Dataset* createDataset() override { return nullptr; }

private:
    FakeProperties props;
};

const PropertyEntry fieldEntry{QStringLiteral("field dimension input"), QString()};
const PropertyEntry walkingEntry{QStringLiteral("walking direction input"), QString()};

void press(QToolButton* button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

QVariant stored(const SettingKey& key)
{
    return appSettings().value(key.name);
}

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(64, 21).toImage();
}

// How far the drawing inside `rect` is from the arrow picture stretched into it, summed over
// the arrow's own pixels.
qint64 distanceToArrow(const QImage& drawing, const QRect& rect, const QString& arrow)
{
    QImage reference(rect.size(), QImage::Format_ARGB32);
    reference.fill(Qt::transparent);
    {
        QPainter p(&reference);
        p.drawPixmap(reference.rect(), QPixmap(arrow));
    }
    qint64 sum = 0;
    for (int y = 0; y < rect.height(); ++y) {
        for (int x = 0; x < rect.width(); ++x) {
            const QColor want = reference.pixelColor(x, y);
            if (want.alpha() < 250)
                continue;
            const QColor got = drawing.pixelColor(rect.x() + x, rect.y() + y);
            sum += qAbs(want.red() - got.red()) + qAbs(want.green() - got.green()) + qAbs(want.blue() - got.blue());
        }
    }
    return sum;
}
} // namespace

class RecordingWizardTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    // --- Pages from the probe's entries ---

    void pagesFollowTheEntryKeys_data()
    {
        QTest::addColumn<QList<PropertyEntry>>("entries");
        QTest::addColumn<QString>("kinds");
        QTest::newRow("none") << QList<PropertyEntry>{} << "";
        QTest::newRow("field, length mode") << QList<PropertyEntry>{{"field dimension input", "length"}} << "F:length";
        QTest::newRow("both in one key, field first")
            << QList<PropertyEntry>{{"walking direction input + field dimension input", "width"}} << "F:width W:";
        QTest::newRow("in order") << QList<PropertyEntry>{walkingEntry, fieldEntry} << "W: F:";
        QTest::newRow("unknown and case") << QList<PropertyEntry>{{"Field Dimension Input", ""}, {"width", "int"}}
                                          << "";
    }
    void pagesFollowTheEntryKeys()
    {
        QFETCH(QList<PropertyEntry>, entries);
        QFETCH(QString, kinds);
        QStringList got;
        for (const auto& page : WizardPagePlan::plan(entries))
            got << (page.kind == Kind::FieldDimension ? "F:" : "W:") + page.mode;
        QCOMPARE(got.join(' '), kinds);
    }

    void nextOnTheOnlyPageEmitsDoneAndBackDoesNothing()
    {
        std::unique_ptr<ProbeInterface> probe(createProbeInterface(170));
        RecordingWizard wizard;
        QSignalSpy done(&wizard, SIGNAL(done()));
        wizard.rebuildPages();   // no probe yet: nothing happens
        QVERIFY(wizard.pageList().empty());

        wizard.setProbe(probe.get());
        wizard.rebuildPages();
        wizard.show();
        QCOMPARE(wizard.pageList().size(), size_t(1));
        WizardWidget* page = wizard.pageList().front();
        QCOMPARE(wizard.gridLayout()->count(), 1);

        press(page->backButtonWidget());
        QCOMPARE(done.count(), 0);
        QCOMPARE(wizard.currentPage(), size_t(0));
        QVERIFY(page->isVisible());

        // Emitted on the press, before any release.
        QTest::mousePress(page->nextButtonWidget(), Qt::LeftButton);
        QCOMPARE(done.count(), 1);
        QTest::mouseRelease(page->nextButtonWidget(), Qt::LeftButton);
        QCOMPARE(done.count(), 1);
    }

    void pagesAreWalkedInOrder()
    {
        FakeProbe probe({fieldEntry, walkingEntry});
        RecordingWizard wizard;
        QSignalSpy done(&wizard, SIGNAL(done()));
        wizard.setProbe(&probe);
        wizard.rebuildPages();
        wizard.show();
        const auto pages = wizard.pageList();
        QCOMPARE(pages.size(), size_t(2));
        QVERIFY(pages[0]->findChild<FieldDimensionWidget*>());
        QVERIFY(pages[1]->findChild<WalkingDirectionWidget*>());
        QVERIFY(pages[0]->isVisible() && !pages[1]->isVisible());

        press(pages[0]->nextButtonWidget());
        QCOMPARE(wizard.currentPage(), size_t(1));
        QVERIFY(!pages[0]->isVisible() && pages[1]->isVisible());
        QCOMPARE(done.count(), 0);

        press(pages[1]->backButtonWidget());
        QCOMPARE(wizard.currentPage(), size_t(0));
        QVERIFY(pages[0]->isVisible() && !pages[1]->isVisible());

        press(pages[0]->nextButtonWidget());
        press(pages[1]->nextButtonWidget());
        QCOMPARE(done.count(), 1);
    }

    void rebuildingReplacesThePagesWithTheStoredValues()
    {
        std::unique_ptr<ProbeInterface> probe(createProbeInterface(1));
        RecordingWizard wizard;
        wizard.setProbe(probe.get());
        wizard.rebuildPages();
        QPointer<WizardWidget> old = wizard.pageList().front();
        Settings::recordWidth.write(7);

        wizard.rebuildPages();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
        QCOMPARE(wizard.pageList().size(), size_t(1));
        QCOMPARE(wizard.gridLayout()->count(), 1);
        auto* field = wizard.pageList().front()->findChild<FieldDimensionWidget*>();
        QVERIFY(field);
        QCOMPARE(field->widthLabel()->text(), QString("7"));
    }

    void noKnownPageThrowsAndLeavesTheWizardHarmless()
    {
        FakeProbe good({fieldEntry});
        FakeProbe none(QList<PropertyEntry>{{"width", "int"}});
        RecordingWizard wizard;
        QSignalSpy done(&wizard, SIGNAL(done()));
        wizard.setProbe(&good);
        wizard.rebuildPages();
        QPointer<WizardWidget> old = wizard.pageList().front();

        wizard.setProbe(&none);
        try {
            wizard.rebuildPages();
            QFAIL("no exception");
        } catch (const std::exception& e) {
            QVERIFY(dynamic_cast<const NoWidgetsException*>(&e));
            QCOMPARE(QString(e.what()), QString("Recording Wizard: no pages created"));
        }
        QVERIFY(wizard.pageList().empty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());

        // A late press of a released page must not reach a page that does not exist.
        wizard.nextPage();
        wizard.previousPage();
        QCOMPARE(done.count(), 0);
        QCOMPARE(wizard.currentPage(), size_t(0));
    }

    // --- Field dimension page ---

    void rowsFollowTheMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("widthRow");
        QTest::addColumn<bool>("lengthRow");
        QTest::newRow("empty") << "" << true << true;
        QTest::newRow("length") << "length" << false << true;
        QTest::newRow("width") << "width" << true << false;
    }
    void rowsFollowTheMode()
    {
        QFETCH(QString, mode);
        QFETCH(bool, widthRow);
        QFETCH(bool, lengthRow);
        FieldDimensionWidget page(mode);
        page.show();
        QCOMPARE(page.widthLabel() != nullptr, widthRow);
        QCOMPARE(page.lengthLabel() != nullptr, lengthRow);
        // No stray controls: the left-out row is not built at all.
        for (const QToolButton* button : page.findChildren<QToolButton*>())
            QVERIFY(button->isVisible());
        QCOMPARE(page.findChildren<QToolButton*>().size(), 2 * (int(widthRow) + int(lengthRow)) + 2);
    }

    void lengthModeKeepsTheStoredWidth()
    {
        Settings::recordWidth.write(9);
        std::unique_ptr<ProbeInterface> probe(createProbeInterface(170));
        RecordingWizard wizard;
        wizard.setProbe(probe.get());
        wizard.rebuildPages();
        auto* field = wizard.pageList().front()->findChild<FieldDimensionWidget*>();
        QVERIFY(field && !field->widthLabel());
        field->show();
        press(field->lengthPlusButton());
        QCOMPARE(stored(Settings::recordWidth), QVariant(9));
        QCOMPARE(stored(Settings::recordLength).toInt(), 5);

        std::unique_ptr<Dataset> dataset(probe->createDataset());
        QCOMPARE(dataset->getProperty("width").toInt(), 9);
        QCOMPARE(dataset->getProperty("length").toInt(), 5);
    }

    void minusStopsAtOneAndPlusHasNoLimit()
    {
        // Stored as text, so that any write (always an int) would show.
        appSettings().setValue(Settings::recordWidth.name, QStringLiteral("01"));
        appSettings().setValue(Settings::recordLength.name, QStringLiteral("2"));
        FieldDimensionWidget page(QString{});
        page.show();
        QCOMPARE(page.widthLabel()->text(), QString("1"));

        press(page.widthMinusButton());
        QCOMPARE(page.widthValue(), 1);
        QCOMPARE(page.widthLabel()->text(), QString("1"));
        QCOMPARE(stored(Settings::recordWidth), QVariant(QStringLiteral("01")));

        press(page.lengthMinusButton());
        QCOMPARE(stored(Settings::recordLength), QVariant(1));
        press(page.lengthMinusButton());
        QCOMPARE(stored(Settings::recordLength), QVariant(1));
        QCOMPARE(page.lengthLabel()->text(), QString("1"));

        for (int k = 0; k < 150; ++k)
            press(page.widthPlusButton());
        QCOMPARE(page.widthLabel()->text(), QString("151"));
        QCOMPARE(stored(Settings::recordWidth), QVariant(151));
        QCOMPARE(stored(Settings::recordLength), QVariant(1));
    }

    void storedSizesBelowOneAreRaisedToOne()
    {
        Settings::recordWidth.write(0);
        Settings::recordLength.write(QStringLiteral("garbage"));
        FieldDimensionWidget page(QString{});
        QCOMPARE(page.widthLabel()->text(), QString("1"));
        QCOMPARE(page.lengthLabel()->text(), QString("1"));
        QCOMPARE(stored(Settings::recordWidth), QVariant(1));
        QCOMPARE(stored(Settings::recordLength), QVariant(1));
    }

    // --- Walking direction chooser ---

    void patternIsShownAndWrittenAtOnce()
    {
        Settings::recordParallel.write(false);
        WalkingDirectionWidget chooser;
        chooser.show();
        const QImage zigZagSelected = iconImage(QIcon(":/res/images/new/zigzag_selected.png"));
        const QImage parallelSelected = iconImage(QIcon(":/res/images/new/parallel_selected.png"));
        QVERIFY(!chooser.isParallel() && !chooser.painterWidget()->isParallel());
        QCOMPARE(iconImage(chooser.zigZagButtonWidget()->icon()), zigZagSelected);
        QVERIFY(iconImage(chooser.parallelButtonWidget()->icon()) != parallelSelected);

        QTest::mouseClick(chooser.parallelButtonWidget(), Qt::LeftButton);
        QCOMPARE(stored(Settings::recordParallel), QVariant(true));
        QVERIFY(chooser.painterWidget()->isParallel());
        QCOMPARE(iconImage(chooser.parallelButtonWidget()->icon()), parallelSelected);
        QVERIFY(iconImage(chooser.zigZagButtonWidget()->icon()) != zigZagSelected);

        QTest::mouseClick(chooser.zigZagButtonWidget(), Qt::LeftButton);
        QCOMPARE(stored(Settings::recordParallel), QVariant(false));

        // The default pattern is written back as soon as the chooser exists.
        TestSupport::resetSettings();
        WalkingDirectionWidget fresh;
        QCOMPARE(stored(Settings::recordParallel), QVariant(true));
        QCOMPARE(fresh.cornerValue(), 0);
    }

    void storedCornerOutOfRangeStartsAtCornerZero()
    {
        Settings::recordCorner.write(7);
        WalkingDirectionWidget chooser;
        QCOMPARE(chooser.cornerValue(), 0);
        QCOMPARE(stored(Settings::recordCorner), QVariant(0));
    }

    void cornerHits_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("chosen");
        // 100 x 60: margins 7 and 9, hit radius 21; corners 0 and 1 are 42 apart.
        QTest::newRow("on both edges: higher wins") << QSize(100, 60) << QPoint(7, 30) << 3 << 1;
        // 100 x 50: margins 7 and 7, hit radius 21; corners 0 and 1 are 36 apart.
        QTest::newRow("nearer 0, still inside 1") << QSize(100, 50) << QPoint(7, 23) << 3 << 1;
        QTest::newRow("inside 0 only") << QSize(100, 50) << QPoint(7, 8) << 3 << 0;
        QTest::newRow("far from all") << QSize(100, 50) << QPoint(50, 25) << 2 << 2;
        // 400 x 300: margins 30 and 45, hit radius 90, no overlap.
        QTest::newRow("edge is inclusive") << QSize(400, 300) << QPoint(120, 45) << 2 << 0;
        QTest::newRow("just outside") << QSize(400, 300) << QPoint(121, 45) << 2 << 2;
        QTest::newRow("bottom right") << QSize(400, 300) << QPoint(399, 299) << 0 << 2;
        QTest::newRow("top right") << QSize(400, 300) << QPoint(330, 20) << 1 << 3;
        QTest::newRow("bottom left") << QSize(400, 300) << QPoint(30, 255) << 0 << 1;
    }
    void cornerHits()
    {
        QFETCH(QSize, size);
        QFETCH(QPoint, press);
        QFETCH(int, current);
        QFETCH(int, chosen);
        const G::Margins m = G::margins(size);
        QCOMPARE(G::hitCorner(press, size, m, current), chosen);
    }

    void pressOnTheDrawingWritesTheCorner()
    {
        WalkingDirectionWidget chooser;
        chooser.resize(400, 600);
        chooser.show();
        WalkingDirectionPainterWidget* painter = chooser.painterWidget();
        QSignalSpy changed(painter, SIGNAL(indexChanged(int)));
        const auto centres = G::cornerCentres(painter->size(), {painter->marginXPx(), painter->marginYPx()});

        QTest::mouseClick(painter, Qt::LeftButton, {}, centres[2]);
        QCOMPARE(chooser.cornerValue(), 2);
        QCOMPARE(stored(Settings::recordCorner), QVariant(2));
        QTest::mouseClick(painter, Qt::LeftButton, {}, painter->rect().center());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().at(0).toInt(), 2);
        QCOMPARE(chooser.cornerValue(), 2);
    }

    void arrowsFollowCornerAndPattern()
    {
        // Corner, pattern and the arrows left to right (D down, U up).
        const QList<std::tuple<int, bool, QString>> cases{{0, true, "DDDD"}, {0, false, "DUDU"}, {1, true, "UUUU"},
                                                          {1, false, "UDUD"}, {2, true, "UUUU"}, {2, false, "DUDU"},
                                                          {3, true, "DDDD"}, {3, false, "UDUD"}};
        for (const auto& [corner, parallel, arrows] : cases) {
            QString got;
            for (bool down : G::arrowsPointDown(corner, parallel))
                got += down ? 'D' : 'U';
            QCOMPARE(got, arrows);
        }
    }

    void arrowsStayInsideTheirTracks()
    {
        for (const QSize& size : {QSize(192, 192), QSize(400, 300), QSize(1000, 420), QSize(300, 900)}) {
            const G::Margins m = G::margins(size);
            const int step = G::trackStep(size, m);
            for (int k = 0; k < G::trackCount; ++k) {
                const QRect r = G::arrowRect(k, size, m);
                QVERIFY2(r.left() > m.x + k * step && r.right() < m.x + (k + 1) * step,
                         qPrintable(QString("%1x%2 track %3").arg(size.width()).arg(size.height()).arg(k)));
                QVERIFY(r.top() > 0 && r.bottom() < size.height() - m.y);
            }
        }
        QCOMPARE(G::arrowRect(0, QSize(400, 300), G::margins(QSize(400, 300))), QRect(43, 69, 56, 138));
    }

    void zigZagFromCornerTwoIsDrawnDownUpDownUp()
    {
        int corner = 2;
        WalkingDirectionPainterWidget painter(corner, false);
        painter.resize(400, 300);
        painter.setAttribute(Qt::WA_DontShowOnScreen);
        painter.show();
        const QImage drawing = painter.grab().toImage();
        const G::Margins m{painter.marginXPx(), painter.marginYPx()};
        QString got;
        for (int k = 0; k < G::trackCount; ++k) {
            const QRect r = G::arrowRect(k, painter.size(), m);
            const qint64 up = distanceToArrow(drawing, r, ":res/images/new/upArrow.png");
            const qint64 down = distanceToArrow(drawing, r, ":res/images/new/downArrow.png");
            got += down < up ? 'D' : 'U';
        }
        QCOMPARE(got, QString("DUDU"));

        const auto centres = G::cornerCentres(painter.size(), m);
        QCOMPARE(drawing.pixelColor(centres[2]), QColor(98, 98, 98));
        for (int i : {0, 1, 3})
            QCOMPARE(drawing.pixelColor(centres[i]), QColor(198, 198, 198));
    }
};

SORVANEL_TEST_MAIN(RecordingWizardTest)
#include "test_recording_wizard.moc"
