#include "app/widgets/messageboxdialog.h"

#include <QMessageBox>

namespace {
static_assert(unsigned(MessageBox::Ok) == unsigned(QMessageBox::Ok) && unsigned(MessageBox::Yes) == unsigned(QMessageBox::Yes)
                  && unsigned(MessageBox::No) == unsigned(QMessageBox::No)
                  && unsigned(MessageBox::Cancel) == unsigned(QMessageBox::Cancel)
                  && unsigned(MessageBox::Retry) == unsigned(QMessageBox::Retry)
                  && unsigned(MessageBox::Discard) == unsigned(QMessageBox::Discard),
              "the seam's buttons are QMessageBox's");

QMessageBox::Icon iconFor(MessageBox::Kind kind)
{
    switch (kind) {
    case MessageBox::Kind::Information: return QMessageBox::Information;
    case MessageBox::Kind::Warning: return QMessageBox::Warning;
    case MessageBox::Kind::Critical: return QMessageBox::Critical;
    case MessageBox::Kind::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MessageBox::StandardButton execMessageBoxDialog(const MessageBox::Request& request)
{
    // The seam's button values are QMessageBox's own.
    QMessageBox box(iconFor(request.kind), request.title, request.text,
                    QMessageBox::StandardButtons(int(request.buttons)), request.parent);
    // Texts quote names, places and paths that users and peers choose: never read as markup,
    // which could load local files through an image tag.
    box.setTextFormat(Qt::PlainText);
    if (request.defaultButton != MessageBox::NoButton)
        box.setDefaultButton(QMessageBox::StandardButton(request.defaultButton));
    return MessageBox::StandardButton(box.exec());
}

void installMessageBoxDialogs()
{
    MessageBox::setHandler(execMessageBoxDialog);
}
