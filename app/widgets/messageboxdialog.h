#pragma once

#include "app/messagebox.h"

// The message-box seam's real handler: a modal QMessageBox for every request.
MessageBox::StandardButton execMessageBoxDialog(const MessageBox::Request& request);
// Makes execMessageBoxDialog the seam's handler; the start-up calls it once.
void installMessageBoxDialogs();
