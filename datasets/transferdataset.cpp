#include "datasets/transferdataset.h"

#include "acquisition/probefamily.h"
#include "app/appsettings.h"
#include "datasets/datasetidentifier.h"
#include "datasets/datasetmetadata.h"
#include "datasets/datasetpreview.h"
#include "datasets/datasetstore.h"
#include "datasets/stagedstore.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonDocument>

namespace {
// A stored preview is 128 pixels square; anything far larger is not one and would only cost
// memory to decode.
constexpr int maximumPreviewSide = 4096;

// Qt keeps binary JSON only for compatibility; peers still exchange it.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
QJsonDocument fromBinaryJson(const QByteArray& bytes)
{
    return QJsonDocument::fromBinaryData(bytes);
}
QByteArray toBinaryJson(const QJsonObject& object)
{
    return QJsonDocument(object).toBinaryData();
}
QT_WARNING_POP

QString storeFailureText()
{
    return QCoreApplication::translate("Transfer", "The received dataset could not be stored.");
}

bool hasKnownHeader(const QByteArray& values)
{
    for (const ProbeFamily& family : probeFamilies) {
        if (values.startsWith(family.header))
            return true;
    }
    return false;
}

QImage decodePreview(const QByteArray& bytes, QString& reason)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maximumPreviewSide || size.height() > maximumPreviewSide) {
        reason = QStringLiteral("preview of size %1 x %2").arg(size.width()).arg(size.height());
        return QImage();
    }
    QImage image = reader.read();
    if (image.isNull())
        reason = QStringLiteral("preview is not a PNG: ") + reader.errorString();
    return image;
}

Failure rejected(const QString& reason)
{
    return {reason, invalidReceivedDatasetText()};
}

} // namespace

QByteArray binaryJsonOf(const QJsonObject& object)
{
    return toBinaryJson(object);
}

QString invalidReceivedDatasetText()
{
    return QCoreApplication::translate("Transfer", "The received data is not a valid dataset. Nothing was stored.");
}

Result<ReceivedDataset> decodeReceivedDataset(const TransferReply& reply)
{
    if (!isDatasetIdentifier(reply.identifier))
        return rejected(QStringLiteral("identifier \"%1\"").arg(reply.identifier));
    const QJsonDocument metadata = fromBinaryJson(reply.metadata);
    if (!metadata.isObject())
        return rejected(QStringLiteral("metadata is not a JSON object"));
    if (!hasKnownHeader(reply.values))
        return rejected(QStringLiteral("value file of no known family"));
    ReceivedDataset dataset;
    QString reason;
    dataset.preview = decodePreview(reply.preview, reason);
    if (dataset.preview.isNull())
        return rejected(reason);
    dataset.metadata = metadata.object();
    return dataset;
}

Result<QString> DatasetStore::storeReceived(const TransferReply& reply) const
{
    const Result<ReceivedDataset> decoded = decodeReceivedDataset(reply);
    if (!decoded) {
        qWarning().noquote() << "Received dataset rejected:" << decoded.failure().reason;
        return decoded.failure();
    }
    const ReceivedDataset& dataset = decoded.value();
    if (!ensureFolder())
        return Failure{QStringLiteral("cannot make the folder ") + folder_, storeFailureText()};
    const QByteArray metadataText = QJsonDocument(dataset.metadata).toJson(QJsonDocument::Indented);
    // A dataset of the same identifier may be there already: staged, the replacement leaves
    // the old dataset or the new one, whenever it is cut off.
    StagedDataset staged(folder_, reply.identifier);
    Outcome stored = staged.stageValues(reply.values);
    if (stored)
        stored = staged.stagePreview(pngOf(dataset.preview));
    if (stored)
        stored = staged.stageMetadata(metadataText);
    if (!stored) {
        staged.discard();
        return Failure{stored.failure().reason, storeFailureText()};
    }
    // Decided: should a move fail, the next start finishes it.
    if (stored = staged.commit(); !stored)
        return Failure{stored.failure().reason, storeFailureText()};
    libraryDirty = true;
    return dataset.metadata.value(QStringLiteral("name")).toString();
}

Result<QString> DatasetStore::storeReceived(const QByteArray& reply) const
{
    TransferReplyParser parser;
    if (parser.feed(reply) != TransferReplyParser::State::Complete) {
        const QString reason = parser.rejection().isEmpty() ? QStringLiteral("incomplete reply") : parser.rejection();
        qWarning().noquote() << "Received dataset rejected:" << reason;
        return Failure{reason, invalidReceivedDatasetText()};
    }
    return storeReceived(parser.reply());
}

Result<TransferReply> DatasetStore::readForTransfer(const QString& id) const
{
    const Result<QJsonObject> metadata = readMetadata(id);
    if (!metadata)
        return metadata.failure();
    const QString previewPath = path(id, DatasetFile::Preview);
    const QImage preview(previewPath, "PNG");
    if (preview.isNull())
        return Failure{QStringLiteral("no preview ") + previewPath,
                       QCoreApplication::translate("Dataset", "The dataset's preview is missing or damaged.")};
    QFile valueFile(path(id, DatasetFile::Values));
    if (!valueFile.open(QIODevice::ReadOnly))
        return valuesFailure(QStringLiteral("no value file ") + valueFile.fileName());
    return TransferReply{id, binaryJsonOf(metadata.value()), pngOf(preview), valueFile.readAll()};
}
