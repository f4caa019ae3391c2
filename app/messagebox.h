#pragma once

#include <QFlags>
#include <QString>
#include <functional>

class QWidget;

// Every modal message box of the program is asked for through this seam, so that tests can
// see which box was asked for and answer it without a real dialog. The seam itself needs no
// widgets: the start-up installs the handler that shows real dialogs (messageboxdialog.h).
namespace MessageBox {

enum class Kind { Information, Warning, Critical, Question };

// The same values as QMessageBox's standard buttons.
enum StandardButton : unsigned {
    NoButton = 0x00000000,
    Ok = 0x00000400,
    Yes = 0x00004000,
    No = 0x00010000,
    Cancel = 0x00400000,
    Retry = 0x00080000,
    Discard = 0x00800000,
};
Q_DECLARE_FLAGS(StandardButtons, StandardButton)

struct Request
{
    Kind kind;
    QString title;
    QString text;
    StandardButtons buttons;
    StandardButton defaultButton;
    QWidget* parent = nullptr;
};

using Handler = std::function<StandardButton(const Request&)>;

// Replaces the current handler; returns the previous one. Without a handler a box is
// answered with its first offered button of No, Cancel, Discard, Ok (nothing is shown).
Handler setHandler(Handler handler);

StandardButton show(const Request& request);

StandardButton information(QWidget* parent, const QString& title, const QString& text,
                           StandardButtons buttons = Ok);
StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                       StandardButtons buttons = Ok);
StandardButton critical(QWidget* parent, const QString& title, const QString& text,
                        StandardButtons buttons = Ok);
StandardButton question(QWidget* parent, const QString& title, const QString& text,
                        StandardButtons buttons = StandardButtons(Yes) | No);

} // namespace MessageBox

Q_DECLARE_OPERATORS_FOR_FLAGS(MessageBox::StandardButtons)
