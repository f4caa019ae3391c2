#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <vector>

// A tile's read-only text box: lines of text, each in its own font, drawn as a frameless text
// box without scroll bars or wrapping draws them. One widget instead of a text editor with its
// viewport and scroll bars: a library of thousands of tiles stays quick to build.
class TileText : public QWidget
{
    Q_OBJECT
public:
    struct Line
    {
        QString text;
        QFont font;
    };

    TileText(std::vector<Line> lines, int height, QWidget* parent = nullptr);

    // The lines joined by newlines.
    QString text() const;
    // Whether every line fits the width; those that do not are drawn cut with an ellipsis.
    bool fits() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Line> lines;
};
