#pragma once

#include <QString>

class QWidget;

// Sending a stored dataset to another instance, and receiving one. Until the transfer
// dialogs exist the operator is told that transfers are not available.
void runTransferServer(QWidget* parent, const QString& uuid);
// True when a dataset was received and stored.
bool runTransferClient(QWidget* parent);
