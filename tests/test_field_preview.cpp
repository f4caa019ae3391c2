#include "datasets/familyclasses.h"
#include "recording/widgets/fieldpreview.h"
#include "recording/fieldpreviewcolumns.h"
#include "recording/widgets/trackwidget.h"
#include "recording/wrongvisexception.h"
#include "testenvironment.h"
#include "app/colormap.h"

#include <QWidget>

using namespace FieldPreviewColumns;

namespace {
const QRgb grey = qRgb(198, 198, 198);

QRgb colorAt(int value, int low, int high)
{
    const Rgb c = colorFromValue(float(value), float(low), float(high), 1);
    return qRgb(c.red, c.green, c.blue);
}

// Feeds a whole track into the preview the way the recorder does, then commits it.
void walkTrack(FieldPreview& preview, DataSetBrolSensor& dataset, const std::vector<std::int16_t>& track)
{
    for (std::int16_t v : track)
        preview.addValues({v});
    dataset.appendTrack(track);
}
} // namespace

class FieldPreviewTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void columnDirections()
    {
        // Corner 2, zig-zag: the first column bottom-up, the second top-down, and so on.
        QCOMPARE(finishedTrackTopDown(0, 2, false), false);
        QCOMPARE(finishedTrackTopDown(1, 2, false), true);
        QCOMPARE(finishedTrackTopDown(2, 2, false), false);
        QCOMPARE(currentTrackReversed(0, 2, false), true);
        QCOMPARE(currentTrackReversed(1, 2, false), false);
        // Corner 0: top-down, zig-zag reverses every second track.
        QCOMPARE(finishedTrackTopDown(0, 0, false), true);
        QCOMPARE(finishedTrackTopDown(1, 0, false), false);
        QCOMPARE(currentTrackReversed(1, 0, false), true);
        // Parallel walks keep one direction: down from the top corners, up from the bottom ones.
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(finishedTrackTopDown(k, 0, true), true);
            QCOMPARE(finishedTrackTopDown(k, 3, true), true);
            QCOMPARE(finishedTrackTopDown(k, 2, true), false);
            QCOMPARE(finishedTrackTopDown(k, 1, true), false);
            QCOMPARE(currentTrackReversed(k, 2, true), true);
        }
    }

    void currentColumnAtTheFirstTracksScale()
    {
        // rowScale 2 (a first track of 200 samples): a 50-sample track fills 100 rows.
        const std::vector<std::int16_t> samples(50, 300);
        const QImage column = currentColumn(samples, false, 2.0f, 0, 600, 1);
        QCOMPARE(column.height(), columnHeight);
        QCOMPARE(column.pixel(0, 0), colorAt(300, 0, 600));
        QCOMPARE(column.pixel(0, 99), colorAt(300, 0, 600));
        QCOMPARE(column.pixel(0, 100), grey);
        const QImage reversed = currentColumn(samples, true, 2.0f, 0, 600, 1);
        QCOMPARE(reversed.pixel(0, 399), colorAt(300, 0, 600));
        QCOMPARE(reversed.pixel(0, 299), grey);
        // Longer than the first track: compressed into the column.
        const QImage longer = currentColumn(std::vector<std::int16_t>(900, 300), false, 1.0f, 0, 600, 1);
        QCOMPARE(longer.pixel(0, 399), colorAt(300, 0, 600));
    }

    void acceptsAndRejects()
    {
        FieldPreview preview;
        DataSetZSeries z;
        QVERIFY(preview.accepts(&z));
        QVERIFY(!preview.accepts(nullptr));
        QVERIFY_EXCEPTION_THROWN(preview.setDataset(nullptr), S3D::WrongVisException);
        QCOMPARE(QString(S3D::WrongVisException().what()), QString("Recording Visualization not applicable for probe type"));
    }

    void rangeScaleAndColumns()
    {
        FieldPreview preview;
        preview.addValues({5});                    // before setDataset: nothing
        QCOMPARE(preview.trackLabelText(), QString("Current Track:  1"));

        DataSetBrolSensor dataset;
        dataset.setProperty("start index", 2);
        dataset.setProperty("parallel", false);
        preview.setDataset(&dataset);
        QWidget* view = preview.widget();
        view->resize(600, 500);
        view->show();

        preview.addValues({1000});
        QCOMPARE(preview.colorLow(), 900);
        QCOMPARE(preview.colorHigh(), 1100);

        walkTrack(preview, dataset, std::vector<std::int16_t>(199, 1000));
        preview.addValues({1050});                 // the first sample of track 2 sees "columns" 1
        QCOMPARE(preview.scaleOfRows(), 2.0f);
        QCOMPARE(preview.trackLabelText(), QString("Current Track:  2"));
        QCOMPARE(preview.trackColumns().size(), std::size_t(2));

        // Corner 2: later tracks stand to the left; the finished first column runs bottom-up.
        for (int i = 0; i < 49; ++i)
            preview.addValues({1050});
        const TrackWidget* first = preview.trackColumns()[0];
        const TrackWidget* current = preview.trackColumns()[1];
        QTRY_VERIFY(current->x() < first->x());    // once the strip has laid its columns out
        QCOMPARE(first->image().pixel(0, 399), colorAt(1000, 900, 1100));
        // 50 samples at scale 2 fill 100 rows from the top (zig-zag: the second track runs down).
        QCOMPARE(current->image().pixel(0, 99), colorAt(1050, 900, 1100));
        QCOMPARE(current->image().pixel(0, 100), grey);

        // A new extreme recolours the finished columns.
        preview.addValues({3000});
        QCOMPARE(preview.colorHigh(), 3000);
        QCOMPARE(preview.trackColumns()[0]->image().pixel(0, 399), colorAt(1000, 900, 3000));

        preview.reset();
        QCOMPARE(preview.trackLabelText(), QString("Current Track:  1"));
        QTRY_VERIFY(view->findChildren<TrackWidget*>().isEmpty());
    }

    void theFieldKeepsItsSidesRightToLeft()
    {
        struct Restore
        {
            ~Restore() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }
        } restore;
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        // Corner 0: later tracks stand to the right, as on the ground.
        FieldPreview preview;
        DataSetBrolSensor dataset;
        dataset.setProperty("start index", 0);
        preview.setDataset(&dataset);
        QWidget* view = preview.widget();
        view->resize(600, 500);
        view->show();
        walkTrack(preview, dataset, std::vector<std::int16_t>(50, 1000));
        preview.addValues({1050});
        QCOMPARE(preview.trackColumns().size(), std::size_t(2));
        const TrackWidget* first = preview.trackColumns()[0];
        const TrackWidget* current = preview.trackColumns()[1];
        QTRY_VERIFY(current->x() > first->x());
    }
};

SORVANEL_TEST_MAIN(FieldPreviewTest)
#include "test_field_preview.moc"
