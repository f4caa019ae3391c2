#pragma once

#include <QWidget>

class QBoxLayout;
class QHBoxLayout;
class QToolButton;
class QVBoxLayout;

// One page of the recording wizard: its content above, BACK and NEXT below.
class WizardWidget : public QWidget
{
    Q_OBJECT
public:
    explicit WizardWidget(QWidget* parent = nullptr);

    // The page takes the widget over.
    void addContent(QWidget* content);
    QBoxLayout* contentLayout() const { return content; }
    QToolButton* backButtonWidget() const { return back; }
    QToolButton* nextButtonWidget() const { return next; }

signals:
    void backButtonPushed();
    void nextButtonPushed();

public slots:
    void backButton();
    void nextButton();

private:
    QVBoxLayout* outer = nullptr;
    QBoxLayout* content = nullptr;
    QHBoxLayout* navigation = nullptr;
    QToolButton* back = nullptr;
    QToolButton* next = nullptr;
};
