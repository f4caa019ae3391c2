#pragma once

#include <QString>

// The title and text of a message box, for code that reports a failure and leaves showing
// the box to its caller.
struct MessageText
{
    QString title;
    QString text;
};
