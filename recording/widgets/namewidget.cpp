#include "recording/widgets/namewidget.h"

#include "app/appsettings.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
NameWidget::Answer& answerOverride()
{
    static NameWidget::Answer answer;
    return answer;
}
} // namespace

NameWidget::NameWidget(const QString& defaultName, QWidget* parent)
    : QDialog(parent)
{
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("NAME:"), this);
    edit = new QLineEdit(defaultName, this);
    auto* row = new QHBoxLayout;
    auto* discard = new QPushButton(tr("DELETE"), this);
    auto* ok = new QPushButton(tr("OK"), this);
    discard->setMinimumHeight(int(0.75 * screenDpi));
    ok->setMinimumHeight(int(0.75 * screenDpi));
    discard->setAutoDefault(false);
    ok->setAutoDefault(false);
    row->addWidget(discard);
    row->addWidget(ok);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addLayout(row);
    connect(discard, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString NameWidget::name() const
{
    return edit->text();
}

void NameWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    // Escape and every other key must not close the dialog and lose the recording.
    event->ignore();
}

void NameWidget::setAnswer(Answer answer)
{
    answerOverride() = std::move(answer);
}

std::optional<QString> NameWidget::ask(const QString& defaultName, QWidget* parent)
{
    if (answerOverride())
        return answerOverride()(defaultName);
    NameWidget dialog(defaultName, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}
