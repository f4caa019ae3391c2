#pragma once

#include "app/result.h"
#include "datasets/transferreply.h"

#include <QImage>
#include <QJsonObject>
#include <QString>

// A received reply decoded and checked: what will be written.
struct ReceivedDataset
{
    QJsonObject metadata;
    QImage preview;
};

// Checks everything the reply decides on the receiving side: the identifier is a dataset
// identifier, the metadata a binary-JSON object, the preview a PNG of sane dimensions and the
// value file starts with a known family header. A reply that is not a dataset fails with
// invalidReceivedDatasetText().
Result<ReceivedDataset> decodeReceivedDataset(const TransferReply& reply);

// The metadata as peers exchange it: Qt 5 binary JSON.
QByteArray binaryJsonOf(const QJsonObject& object);

// What the operator is told about a reply that is not a dataset.
QString invalidReceivedDatasetText();
