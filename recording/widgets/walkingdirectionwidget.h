#pragma once

#include <QIcon>
#include <QWidget>

class QBoxLayout;
class QToolButton;
class WalkingDirectionPainterWidget;

// Chooser of the starting corner and of the zig-zag or parallel pattern; every choice is
// written to the settings at once.
class WalkingDirectionWidget : public QWidget
{
    Q_OBJECT
public:
    explicit WalkingDirectionWidget(QWidget* parent = nullptr);

    int cornerValue() const { return corner; }
    bool isParallel() const { return parallel; }
    QToolButton* zigZagButtonWidget() const { return zigZagButton; }
    QToolButton* parallelButtonWidget() const { return parallelButton; }
    WalkingDirectionPainterWidget* painterWidget() const { return painter; }

public slots:
    void setParallel();
    void setZigZag();
    void setIndex(int i);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPattern(bool parallelChosen);

    int corner = 0;
    bool parallel = true;
    QBoxLayout* buttonRow = nullptr;
    QBoxLayout* mainLayout = nullptr;
    WalkingDirectionPainterWidget* painter = nullptr;
    QToolButton* zigZagButton = nullptr;
    QToolButton* parallelButton = nullptr;
    QIcon zigZagSelected;
    QIcon zigZagUnselected;
    QIcon parallelSelected;
    QIcon parallelUnselected;
};
