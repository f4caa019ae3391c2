#pragma once

#include <QWidget>

class QHBoxLayout;
class QSpacerItem;
class QToolButton;

// The library's sort bar: "NAME", "DATE" and "LOCATION".
class TopWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TopWidget(QWidget* parent = nullptr);
    // In the wide layout the buttons start after a space as wide as the tiles' previews.
    void setLeadingSpace(int pixels);

signals:
    void nameButtonPressed();
    void dateButtonPressed();
    void locationButtonPressed();

public slots:
    void sortByName() { emit nameButtonPressed(); }
    void sortByDate() { emit dateButtonPressed(); }
    void sortByLocation() { emit locationButtonPressed(); }

protected:
    void changeEvent(QEvent* event) override;

private:
    QToolButton* sortButton(void (TopWidget::*sort)());
    void retranslate();

    QHBoxLayout* layout = nullptr;
    QSpacerItem* leadingSpace = nullptr;
    QToolButton* nameButton = nullptr;
    QToolButton* dateButton = nullptr;
    QToolButton* locationButton = nullptr;
};
