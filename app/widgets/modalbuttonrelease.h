#pragma once

class QApplication;

// Many buttons open a box or dialog from pressed(), as a finger expects; the release then goes
// to the new window and the button would stay drawn pressed after it closes. With this
// installed, a modal window that opens draws every pressed button released.
void releaseButtonsWhenModalOpens(QApplication& app);
