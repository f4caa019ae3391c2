#pragma once

#include <QSize>
#include <QString>

class QToolButton;
class QWidget;

// A text button of the wizard pages, with a touch-sized minimum and a name for tests.
QToolButton* wizardButton(const QString& text, const QString& name, const QSize& minimum, QWidget* parent);
