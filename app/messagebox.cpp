#include "app/messagebox.h"

namespace MessageBox {

namespace {
Handler& currentHandler()
{
    static Handler handler;
    return handler;
}

// Without a handler nobody can answer: take the most cautious button offered.
StandardButton cautiousAnswer(StandardButtons buttons)
{
    for (StandardButton b : {No, Cancel, Discard, Ok})
        if (buttons.testFlag(b))
            return b;
    return NoButton;
}

StandardButton ask(QWidget* parent, Kind kind, const QString& title, const QString& text, StandardButtons buttons)
{
    return show(Request{kind, title, text, buttons, NoButton, parent});
}
} // namespace

Handler setHandler(Handler handler)
{
    Handler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

StandardButton show(const Request& request)
{
    if (currentHandler())
        return currentHandler()(request);
    return cautiousAnswer(request.buttons);
}

StandardButton information(QWidget* parent, const QString& title, const QString& text, StandardButtons buttons)
{
    return ask(parent, Kind::Information, title, text, buttons);
}

StandardButton warning(QWidget* parent, const QString& title, const QString& text, StandardButtons buttons)
{
    return ask(parent, Kind::Warning, title, text, buttons);
}

StandardButton critical(QWidget* parent, const QString& title, const QString& text, StandardButtons buttons)
{
    return ask(parent, Kind::Critical, title, text, buttons);
}

StandardButton question(QWidget* parent, const QString& title, const QString& text, StandardButtons buttons)
{
    return ask(parent, Kind::Question, title, text, buttons);
}

} // namespace MessageBox
