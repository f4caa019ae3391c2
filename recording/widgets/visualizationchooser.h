#pragma once

#include <QWidget>
#include <vector>

class QGridLayout;
class QToolButton;
class RecordingVisualization;

// The buttons from which the operator picks the live view of a recording.
class VisualizationChooser : public QWidget
{
    Q_OBJECT
public:
    explicit VisualizationChooser(const std::vector<RecordingVisualization*>& views, QWidget* parent = nullptr);
    const std::vector<QToolButton*>& buttons() const { return buttons_; }

signals:
    void visualizationSelected(int i);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange(int columns);
    int columnsFitting(int width) const;
    static int iconSideFor(const QSize& screen);

    QGridLayout* grid = nullptr;
    std::vector<QToolButton*> buttons_;
};
