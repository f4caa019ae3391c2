#pragma once

#include <QPixmap>
#include <QWidget>

class QBoxLayout;
class QFrame;
class QPushButton;

// The first screen: the splash picture with the version line, and the record, view and
// help buttons in a row below it (portrait) or in a column at the right (landscape).
class WelcomeScreen : public QWidget
{
    Q_OBJECT
public:
    explicit WelcomeScreen(QWidget* parent = nullptr);

    QPushButton* recordButtonWidget() const { return recordButton; }
    QPushButton* viewButtonWidget() const { return viewButton; }
    QPushButton* helpButtonWidget() const { return helpButton; }

signals:
    void viewButtonClicked();
    void recordButtonClicked();
    void helpButtonClicked();

public slots:
    void emitViewButtonSignal();
    void emitHelpButtonSignal();
    void emitRecordButtonSignal();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* makeButton(const QString& icon);
    void arrange(bool portrait);
    const QPixmap& scaledSplash(const QSize& bounds);

    QFrame* firstSeparator = nullptr;
    QFrame* secondSeparator = nullptr;
    QBoxLayout* layout = nullptr;
    QPushButton* recordButton = nullptr;
    QPushButton* viewButton = nullptr;
    QPushButton* helpButton = nullptr;
    // The splash scaled for the last size painted, so a repaint does not rescale it.
    QPixmap splashCache;
    QSize splashCacheBounds;
};
