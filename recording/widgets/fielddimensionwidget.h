#pragma once

#include <QWidget>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QToolButton;
class QVBoxLayout;
class WalkingDirectionWidget;
struct SettingKey;

// The field size page: width and length with minus and plus (never below 1), and below or
// beside them the walking direction chooser. Every change is written to the settings at once.
class FieldDimensionWidget : public QWidget
{
    Q_OBJECT
public:
    // Mode "length" shows only the length row, mode "width" only the width row.
    explicit FieldDimensionWidget(const QString& mode, QWidget* parent = nullptr);

    int widthValue() const { return width; }
    int lengthValue() const { return length; }
    // Null where the mode leaves the row out.
    QLabel* widthLabel() const { return widthRow.value; }
    QLabel* lengthLabel() const { return lengthRow.value; }
    QToolButton* widthMinusButton() const { return widthRow.minus; }
    QToolButton* widthPlusButton() const { return widthRow.plus; }
    QToolButton* lengthMinusButton() const { return lengthRow.minus; }
    QToolButton* lengthPlusButton() const { return lengthRow.plus; }
    WalkingDirectionWidget* walkingDirectionWidget() const { return walkingDirection; }
    QBoxLayout* mainBoxLayout() const { return mainLayout; }

public slots:
    void increaseWidth();
    void decreaseWidth();
    void increaseLength();
    void decreaseLength();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Caption, minus, value and plus of one dimension; all null when the row is left out.
    struct Row
    {
        QHBoxLayout* layout = nullptr;
        QLabel* caption = nullptr;
        QToolButton* minus = nullptr;
        QLabel* value = nullptr;
        QToolButton* plus = nullptr;
    };
    void change(int& value, int delta, QLabel* label, const SettingKey& key);
    Row makeRow(const QString& caption, const QString& name, int value, const char* minusSlot,
                const char* plusSlot);

    QBoxLayout* mainLayout = nullptr;
    QVBoxLayout* dimensions = nullptr;
    Row widthRow;
    Row lengthRow;
    WalkingDirectionWidget* walkingDirection = nullptr;
    int width = 3;
    int length = 4;
};
