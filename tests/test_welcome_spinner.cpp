#include "app/spinnergeometry.h"
#include "datasets/widgets/waitingspinnerwidget.h"
#include "app/welcomegeometry.h"
#include "app/widgets/welcomescreen.h"
#include "testenvironment.h"

#include <QPushButton>
#include <QSignalSpy>
#include <array>
#include <cmath>

namespace {
const QColor background(230, 209, 167);
const double pi = 3.14159265358979;

// Record, view and help button geometry once the screen is shown at that size.
std::array<QRect, 3> shownAt(WelcomeScreen& screen, const QSize& size)
{
    screen.resize(size);
    screen.show();
    if (!QTest::qWaitForWindowExposed(&screen))
        qWarning("welcome screen not exposed");
    return {screen.recordButtonWidget()->geometry(), screen.viewButtonWidget()->geometry(),
            screen.helpButtonWidget()->geometry()};
}
} // namespace

class WelcomeSpinnerTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void spinnerDefaults()
    {
        WaitingSpinnerWidget spinner;
        QCOMPARE(spinner.size(), QSize(40, 40));
        QCOMPARE(spinner.animationInterval(), 31);
        QCOMPARE(spinner.revolutions(), pi / 2);
        QCOMPARE(spinner.numberOfLines(), 20);
        QVERIFY(spinner.isHidden());
        QVERIFY(!spinner.isSpinning());
        QVERIFY(!spinner.isAnimating());
    }

    void settersKeepSizeAndSpeedInStep()
    {
        WaitingSpinnerWidget spinner;
        spinner.setInnerRadius(6);
        spinner.setLineLength(25);
        QCOMPARE(spinner.size(), QSize(62, 62));
        spinner.setLineWidth(4);
        QCOMPARE(spinner.size(), QSize(62, 62));
        spinner.setLineCount(12);
        spinner.setRevolutionsPerSecond(1);
        QCOMPARE(spinner.animationInterval(), 83);
    }

    void intervalNeverDividesByZeroOrSpins()
    {
        QCOMPARE(SpinnerGeometry::interval(20, pi / 2), 31);
        QCOMPARE(SpinnerGeometry::interval(0, 1.0), 1000);
        QCOMPARE(SpinnerGeometry::interval(12, 0.0), 1000);
        QCOMPARE(SpinnerGeometry::interval(12, -1.0), 1000);
        QCOMPARE(SpinnerGeometry::interval(12, std::nan("")), 1000);
        // Faster than one step per millisecond would be a zero interval: a busy loop.
        QCOMPARE(SpinnerGeometry::interval(100, 50.0), 1);
    }

    void trailFadesOverSixteenBarsThenStaysFaint()
    {
        const QColor black(Qt::black);
        const double minAlpha = pi / 100;
        auto alphaAt = [&](int distance) {
            return SpinnerGeometry::barColor(black, distance, 20, 80.0, pi).alphaF();
        };
        QCOMPARE(SpinnerGeometry::barColor(black, 0, 20, 80.0, pi), black);
        // ceil(19 x 0.8) = 16 fading bars, each 1/17 of the way down.
        for (int d = 1; d <= 16; ++d)
            QVERIFY2(std::abs(alphaAt(d) - (1.0 - d * (1.0 - minAlpha) / 17)) < 1e-3, qPrintable(QString::number(d)));
        QVERIFY(alphaAt(16) > minAlpha + 0.01);
        for (int d = 17; d <= 19; ++d)
            QVERIFY(std::abs(alphaAt(d) - minAlpha) < 1e-3);
        // A half-transparent colour fades from its own alpha.
        QColor half(10, 20, 30, 128);
        const QColor first = SpinnerGeometry::barColor(half, 1, 20, 80.0, pi);
        QCOMPARE(first.rgb(), half.rgb());
        QVERIFY(first.alphaF() < half.alphaF());
        QVERIFY(first.alphaF() > minAlpha);
    }

    void distanceWrapsAroundTheRing()
    {
        QCOMPARE(SpinnerGeometry::distance(5, 3, 12), 2);
        QCOMPARE(SpinnerGeometry::distance(0, 1, 12), 11);
        QCOMPARE(SpinnerGeometry::distance(4, 4, 12), 0);
        QCOMPARE(SpinnerGeometry::barRect(25, 4), QRect(0, -2, 25, 4));
        QCOMPARE(SpinnerGeometry::barRect(10, 3), QRect(0, -1, 10, 3));
    }

    void startTwiceKeepsTheAnimationAndStopResetsIt()
    {
        QWidget parent;
        parent.resize(200, 100);
        auto* spinner = new WaitingSpinnerWidget(&parent, true, true);
        spinner->start();
        QVERIFY(spinner->isAnimating());
        QVERIFY(!spinner->isHidden());
        QVERIFY(!parent.isEnabled());
        spinner->rotate();
        spinner->rotate();
        spinner->start();
        QCOMPARE(spinner->brightestLine(), 2);
        QVERIFY(spinner->isAnimating());

        spinner->stop();
        QVERIFY(spinner->isHidden());
        QVERIFY(!spinner->isAnimating());
        QCOMPARE(spinner->brightestLine(), 0);
        QVERIFY(parent.isEnabled());

        // A second stop still hides and re-enables the parent.
        parent.setEnabled(false);
        spinner->show();
        spinner->stop();
        QVERIFY(spinner->isHidden());
        QVERIFY(parent.isEnabled());
    }

    void rotationWrapsAndLineCountResetsIt()
    {
        WaitingSpinnerWidget spinner;
        spinner.setLineCount(3);
        spinner.rotate();
        spinner.rotate();
        QCOMPARE(spinner.brightestLine(), 2);
        spinner.rotate();
        QCOMPARE(spinner.brightestLine(), 0);
        spinner.rotate();
        spinner.setLineCount(12);
        QCOMPARE(spinner.brightestLine(), 0);
    }

    void startCentresOnlyWhenAsked()
    {
        QWidget parent;
        parent.resize(200, 100);
        auto* centred = new WaitingSpinnerWidget(&parent, true, false);
        auto* placed = new WaitingSpinnerWidget(&parent, false, false);
        placed->move(5, 7);
        centred->start();
        placed->start();
        QCOMPARE(centred->pos(), QPoint(80, 30));
        QCOMPARE(placed->pos(), QPoint(5, 7));
        QVERIFY(parent.isEnabled());
    }

    void paintsTheBrightestBarAtZeroDegrees()
    {
        WaitingSpinnerWidget spinner;
        spinner.setLineCount(4);
        spinner.setInnerRadius(10);
        spinner.setLineLength(20);
        spinner.setLineWidth(6);
        spinner.setColor(QColor(200, 0, 0));
        const QImage image = spinner.grab().toImage();
        QCOMPARE(image.size(), QSize(60, 60));
        QCOMPARE(image.pixelColor(30, 30), background);   // the empty middle
        QCOMPARE(image.pixelColor(2, 2), background);     // a corner
        QCOMPARE(image.pixelColor(50, 30), QColor(200, 0, 0));   // bar 0, right of the centre
        // Bar 1 lies below the centre (Qt's y axis points down) and trails: mostly faded.
        const QColor trailing = image.pixelColor(30, 50);
        QVERIFY(trailing != background);
        QVERIFY(trailing.red() < 230 && trailing.green() < 209);
    }

    void welcomePictureCentre()
    {
        const QSize help(96, 96);
        QCOMPARE(WelcomeGeometry::pictureCentre({1280, 800}, help), QPoint(592, 400));
        QCOMPARE(WelcomeGeometry::pictureCentre({800, 1280}, help), QPoint(400, 592));
        // Square counts as portrait, like the button layout.
        QCOMPARE(WelcomeGeometry::pictureCentre({600, 600}, help), QPoint(300, 252));
        QCOMPARE(WelcomeGeometry::pictureCentre({101, 50}, help), QPoint(2, 25));
        QCOMPARE(WelcomeGeometry::pictureBounds({592, 400}), QSize(1036, 700));
        const QRect picture = WelcomeGeometry::pictureRect({592, 400}, {700, 350});
        QCOMPARE(picture, QRect(242, 225, 700, 350));
        QCOMPARE(WelcomeGeometry::versionTextOrigin(picture, 60, 10), QPoint(882, 590));
    }

    void buttonsAndTheirSignals()
    {
        WelcomeScreen screen;
        QSignalSpy record(&screen, &WelcomeScreen::recordButtonClicked);
        QSignalSpy view(&screen, &WelcomeScreen::viewButtonClicked);
        QSignalSpy help(&screen, &WelcomeScreen::helpButtonClicked);
        for (QPushButton* button : {screen.recordButtonWidget(), screen.viewButtonWidget(), screen.helpButtonWidget()}) {
            QCOMPARE(button->minimumSize(), QSize(96, 96));
            QCOMPARE(button->iconSize(), QSize(57, 57));
            QVERIFY(!button->icon().pixmap(57, 57).isNull());
            QVERIFY(button->text().isEmpty());
        }
        screen.recordButtonWidget()->click();
        QCOMPARE(record.count(), 1);
        screen.viewButtonWidget()->click();
        screen.viewButtonWidget()->click();
        QCOMPARE(view.count(), 2);
        screen.helpButtonWidget()->click();
        QCOMPARE(help.count(), 1);
        QCOMPARE(record.count(), 1);
    }

    void landscapeStacksTheButtonsAtTheRight()
    {
        WelcomeScreen screen;
        const auto [record, view, help] = shownAt(screen, {1280, 800});
        QCOMPARE(record.right(), 1279);
        QCOMPARE(view.right(), 1279);
        QCOMPARE(help.right(), 1279);
        QVERIFY(record.bottom() < view.top() && view.bottom() < help.top());
        QCOMPARE(help.bottom(), 799);
    }

    void portraitPutsTheButtonsInARowUnderThePicture()
    {
        WelcomeScreen screen;
        const auto [record, view, help] = shownAt(screen, {800, 1280});
        QCOMPARE(record.bottom(), 1279);
        QCOMPARE(view.bottom(), 1279);
        QCOMPARE(help.bottom(), 1279);
        QVERIFY(record.right() < view.left() && view.right() < help.left());
        // The row sits in the middle, below the picture's box.
        QVERIFY(std::abs((record.left() + help.right()) / 2 - 400) <= 2);
        const QPoint centre = WelcomeGeometry::pictureCentre(screen.size(), help.size());
        QVERIFY(centre.y() + WelcomeGeometry::pictureBounds(centre).height() / 2 <= record.top() + 1);

        // Turning the screen rearranges the same buttons.
        screen.resize(1280, 800);
        QTRY_COMPARE(screen.helpButtonWidget()->geometry().right(), 1279);
        QVERIFY(screen.recordButtonWidget()->geometry().bottom() < screen.viewButtonWidget()->geometry().top());
    }

    void paintsBackgroundPictureAndVersion()
    {
        WelcomeScreen screen;
        screen.resize(1280, 800);
        const QImage image = screen.grab().toImage();
        QCOMPARE(image.pixelColor(1, 1), QColor(240, 240, 240));
        const QSize help = screen.helpButtonWidget()->size();
        const QPoint centre = WelcomeGeometry::pictureCentre(screen.size(), help);
        QVERIFY(image.pixelColor(centre) != QColor(240, 240, 240));
        // Somewhere below the picture's right part the grey version text is drawn.
        QPixmap splash(":/res/images/new/splash.png");
        const QRect picture = WelcomeGeometry::pictureRect(
            centre, splash.size().scaled(WelcomeGeometry::pictureBounds(centre), Qt::KeepAspectRatio));
        int textPixels = 0;
        for (int y = picture.bottom() + 1; y < qMin(image.height(), picture.bottom() + 40); ++y)
            for (int x = picture.right() - 100; x <= picture.right(); ++x)
                textPixels += image.pixelColor(x, y) != QColor(240, 240, 240) ? 1 : 0;
        QVERIFY(textPixels > 10);
    }
};

SORVANEL_TEST_MAIN(WelcomeSpinnerTest)
#include "test_welcome_spinner.moc"
