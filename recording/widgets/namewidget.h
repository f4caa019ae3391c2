#pragma once

#include <QDialog>
#include <functional>
#include <optional>

class QLineEdit;

// The naming dialog at the end of a recording: OK (or Return) keeps the recording under the
// name entered, DELETE discards it. Escape does not close it.
class NameWidget : public QDialog
{
    Q_OBJECT
public:
    explicit NameWidget(const QString& defaultName, QWidget* parent = nullptr);
    QString name() const;

    // Runs the dialog modally: the name entered, or nothing when the recording is discarded.
    // Tests answer it through setAnswer instead of a real dialog.
    static std::optional<QString> ask(const QString& defaultName, QWidget* parent);
    using Answer = std::function<std::optional<QString>(const QString& defaultName)>;
    static void setAnswer(Answer answer);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* edit = nullptr;
};
