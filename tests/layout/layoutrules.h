#pragma once

#include <QRect>
#include <QStringList>

class QWidget;

// What a finger-sized screen must hold at every density, checked on a window as shown.
namespace LayoutRules {

// Every violation in `window` and its visible children, each as one line naming `where`:
// the window beyond `screen`, a widget outside its window, overlapping controls, controls
// smaller than 0.3 inch, sliders shorter than 1.5 inches or with a handle under 0.35 inch,
// icons under a third of their button, and label texts wider than their label.
QStringList violations(const QWidget& window, const QRect& screen, double dpi, const QString& where);

} // namespace LayoutRules
