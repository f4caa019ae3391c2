#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// Every modal message box of the program is shown through this seam, so that tests can see
// which box was asked for and answer it without a real dialog.
namespace MessageBox {

enum class Kind { Information, Warning, Critical, Question };

struct Request
{
    Kind kind;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

using Handler = std::function<QMessageBox::StandardButton(const Request&)>;

// Replaces the real dialogs (an empty handler restores them); returns the previous handler.
Handler setHandler(Handler handler);

QMessageBox::StandardButton show(QWidget* parent, const Request& request);

QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);
QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);
QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Ok);
QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No);

} // namespace MessageBox
