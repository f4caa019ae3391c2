#include "datasets/datasetpreview.h"
#include "testenvironment.h"
#include "app/colormap.h"

namespace {
// Parallel from the first corner: value (x, y) is value y of track x.
QImage field(const std::vector<int16_t>& values, int columns, int rows, int map)
{
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    QImage image(columns, rows, QImage::Format_RGB32);
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y) {
            const Rgb c = colorFromValue(values[size_t(x * rows + y)], *lowest, *highest, map);
            image.setPixel(x, y, qRgb(c.red, c.green, c.blue));
        }
    return image;
}
} // namespace

class DatasetPreviewTest : public QObject
{
    Q_OBJECT
private slots:
    void wideFieldPicksTheColumnsQtPicks_data()
    {
        QTest::addColumn<int>("columns");
        for (int columns : {256, 512, 768, 1024})
            QTest::newRow(qPrintable(QString::number(columns))) << columns;
    }
    void wideFieldPicksTheColumnsQtPicks()
    {
        // Tracks of 3 values, each value its own colour.
        QFETCH(int, columns);
        const int rows = 3;
        std::vector<int16_t> values;
        for (int x = 0; x < columns; ++x)
            for (int y = 0; y < rows; ++y)
                values.push_back(int16_t(x * 30 + y * 10));
        const QImage expected = field(values, columns, rows, 1)
                                    .scaled(128, 128, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage preview = datasetPreview(values, FieldLayout{rows, columns, 0, true}, 1);
        QCOMPARE(preview.size(), QSize(128, 128));
        QCOMPARE(preview, expected);
    }
};

SORVANEL_TEST_MAIN(DatasetPreviewTest)
#include "test_dataset_preview.moc"
