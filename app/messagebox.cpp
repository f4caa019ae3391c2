#include "app/messagebox.h"

namespace MessageBox {

namespace {
Handler& currentHandler()
{
    static Handler handler;
    return handler;
}

QMessageBox::Icon iconFor(Kind kind)
{
    switch (kind) {
    case Kind::Information: return QMessageBox::Information;
    case Kind::Warning: return QMessageBox::Warning;
    case Kind::Critical: return QMessageBox::Critical;
    case Kind::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ask(QWidget* parent, Kind kind, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons)
{
    return show(parent, Request{kind, title, text, buttons, QMessageBox::NoButton});
}
} // namespace

Handler setHandler(Handler handler)
{
    Handler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

QMessageBox::StandardButton show(QWidget* parent, const Request& request)
{
    if (currentHandler())
        return currentHandler()(request);
    QMessageBox box(iconFor(request.kind), request.title, request.text, request.buttons, parent);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons)
{
    return ask(parent, Kind::Information, title, text, buttons);
}

QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons)
{
    return ask(parent, Kind::Warning, title, text, buttons);
}

QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons)
{
    return ask(parent, Kind::Critical, title, text, buttons);
}

QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons)
{
    return ask(parent, Kind::Question, title, text, buttons);
}

} // namespace MessageBox
