#include "datasets/datasetloadfailure.h"

#include <QCoreApplication>

MessageText datasetLoadFailure()
{
    return {QCoreApplication::translate("Dataset", "Error Loading File"),
            QCoreApplication::translate("Dataset", "Wrong data type")};
}
