#include "datasets/widgets/transferdialogs.h"

#include "app/messagebox.h"

#include <QCoreApplication>

namespace {
QString notAvailable()
{
    return QCoreApplication::translate("Transfer", "Dataset transfer is not available in this version.");
}
} // namespace

void runTransferServer(QWidget* parent, const QString&)
{
    MessageBox::information(parent, QCoreApplication::translate("Transfer", "Information"), notAvailable());
}

bool runTransferClient(QWidget* parent)
{
    MessageBox::information(parent, QCoreApplication::translate("Transfer", "Information"), notAvailable());
    return false;
}
