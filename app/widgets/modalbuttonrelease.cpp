#include "app/widgets/modalbuttonrelease.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>

namespace {
class ModalButtonRelease : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            const auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && window->isModal())
                releasePressedButtons();
        }
        return false;
    }

private:
    static void releasePressedButtons()
    {
        for (QWidget* widget : QApplication::allWidgets()) {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (button && button->isDown())
                button->setDown(false);
        }
    }
};
} // namespace

void releaseButtonsWhenModalOpens(QApplication& app)
{
    app.installEventFilter(new ModalButtonRelease(&app));
}
