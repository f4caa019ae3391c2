// Widget behaviour that only a real window system shows (the offscreen platform hides it).
#include "app/widgets/modalbuttonrelease.h"
#include "testenvironment.h"

#include <QDialog>
#include <QTimer>
#include <QToolButton>

class RealWindowTest : public QObject
{
    Q_OBJECT
private slots:
    // A dialog opened from pressed() takes the release, so the button stayed drawn pressed
    // after the dialog had closed.
    void buttonThatOpensADialogIsDrawnReleased()
    {
        releaseButtonsWhenModalOpens(*qApp);
        QWidget window;
        auto* button = new QToolButton(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool opened = false;
        connect(button, &QToolButton::pressed, button, [&] {
            QDialog dialog(&window);
            QTimer::singleShot(0, &dialog, &QDialog::accept);
            opened = dialog.exec() == QDialog::Accepted;
        });
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(opened);
        QVERIFY(!button->isDown());
    }
};

SORVANEL_TEST_MAIN(RealWindowTest)
#include "test_real_window.moc"
