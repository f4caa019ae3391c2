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
    QLabel* widthLabel() const { return widthValueLabel; }
    QLabel* lengthLabel() const { return lengthValueLabel; }
    QToolButton* widthMinusButton() const { return widthMinus; }
    QToolButton* widthPlusButton() const { return widthPlus; }
    QToolButton* lengthMinusButton() const { return lengthMinus; }
    QToolButton* lengthPlusButton() const { return lengthPlus; }
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
    struct Row
    {
        QHBoxLayout* layout;
        QLabel* value;
        QToolButton* minus;
        QToolButton* plus;
    };
    void change(int& value, int delta, QLabel* label, const SettingKey& key);
    Row makeRow(const QString& caption, const QString& name, int value, const char* minusSlot,
                const char* plusSlot);

    QBoxLayout* mainLayout = nullptr;
    QVBoxLayout* dimensions = nullptr;
    QHBoxLayout* widthRow = nullptr;
    QHBoxLayout* lengthRow = nullptr;
    WalkingDirectionWidget* walkingDirection = nullptr;
    QLabel* widthValueLabel = nullptr;
    QLabel* lengthValueLabel = nullptr;
    QToolButton* widthMinus = nullptr;
    QToolButton* widthPlus = nullptr;
    QToolButton* lengthMinus = nullptr;
    QToolButton* lengthPlus = nullptr;
    int width = 3;
    int length = 4;
};
