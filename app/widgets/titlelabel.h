#pragma once

#include <QLabel>

// The navigation bar's title: a probe's or a dataset's name, which users and peers choose.
// Always plain text, painted on one line, or on two where one is too narrow and the bar tall
// enough, and cut with an ellipsis where it does not fit, so that neither markup nor a long
// or multi-line name can change the look or widen the window.
// text() stays the whole name.
class TitleLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TitleLabel(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // What is painted for the current width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
