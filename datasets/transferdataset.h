#pragma once

#include "datasets/transferreply.h"

#include <QImage>
#include <QJsonObject>
#include <QString>
#include <optional>

// A received reply decoded and checked: what will be written, or why nothing will be.
struct ReceivedDataset
{
    QJsonObject metadata;
    QImage preview;
    QString failure; // empty when the reply may be stored
    QString reason;  // for the log
};

// Checks everything the reply decides on the receiving side: the identifier is a dataset
// identifier, the metadata a binary-JSON object, the preview a PNG of sane dimensions and the
// value file starts with a known family header.
ReceivedDataset decodeReceivedDataset(const TransferReply& reply);

// The metadata as peers exchange it: Qt 5 binary JSON.
QByteArray binaryJsonOf(const QJsonObject& object);

// What the operator is told about a reply that is not a dataset.
QString invalidReceivedDatasetText();

// Stores a checked reply in `folder` as ID.xml (indented JSON text), ID.png and ID.s3d,
// replacing a dataset of that identifier. The files are staged whole first (StagedDataset), so
// a failure leaves the old dataset and a crash leaves the old one or the new one. Returns the failure text for the operator,
// empty on success; `name` receives the metadata's "name".
QString storeReceivedDataset(const QString& folder, const TransferReply& reply,
                             QString* name = nullptr);
// The same for a whole reply as it came over the wire.
QString storeReceivedDataset(const QString& folder, const QByteArray& reply,
                             QString* name = nullptr);

// The reply for dataset `id` of `folder`: its metadata re-encoded as binary JSON, its preview
// re-encoded as PNG and its value file unchanged. Nothing when a file is missing or unreadable;
// `reason` then says which.
std::optional<TransferReply> readDatasetForTransfer(const QString& folder, const QString& id,
                                                    QString* reason = nullptr);
