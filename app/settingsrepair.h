#pragma once

// Removes every stored setting that a damaged or hand-edited options.ini holds with the wrong
// type or out of its range, so that its default applies: sizes below 1, a corner other than
// 0..3, a colour map that does not exist, an isovalue off the slider, a port that does not
// fit, a switch that is neither true nor false. The language read back from the file is
// carried over to its key, and any code is kept (an unknown one starts in English). Called
// once at start-up, right after the store is opened.
void repairSettings();
