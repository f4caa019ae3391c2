#pragma once

#include <QWidget>

// The line between two dataset tiles: 3 pixels across the middle of a 5-pixel strip.
class SeparatorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SeparatorWidget(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
