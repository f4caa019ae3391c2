#include "datasets/transferdataset.h"

#include "acquisition/probefamily.h"
#include "datasets/datasetidentifier.h"
#include "datasets/datasetmetadata.h"
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

ReceivedDataset rejected(const QString& reason)
{
    ReceivedDataset dataset;
    dataset.failure = invalidReceivedDatasetText();
    dataset.reason = reason;
    return dataset;
}

QString pathIn(const QString& folder, const QString& id, const char* suffix)
{
    return QDir(folder).filePath(id + QLatin1String(suffix));
}

QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
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

ReceivedDataset decodeReceivedDataset(const TransferReply& reply)
{
    if (!isDatasetIdentifier(reply.identifier))
        return rejected(QStringLiteral("identifier \"%1\"").arg(reply.identifier));
    const QJsonDocument metadata = fromBinaryJson(reply.metadata);
    if (!metadata.isObject())
        return rejected(QStringLiteral("metadata is not a JSON object"));
    if (!hasKnownHeader(reply.values))
        return rejected(QStringLiteral("value file of no known family"));
    ReceivedDataset dataset;
    dataset.preview = decodePreview(reply.preview, dataset.reason);
    if (dataset.preview.isNull())
        return rejected(dataset.reason);
    dataset.metadata = metadata.object();
    return dataset;
}

QString storeReceivedDataset(const QString& folder, const TransferReply& reply, QString* name)
{
    const ReceivedDataset dataset = decodeReceivedDataset(reply);
    if (!dataset.failure.isEmpty()) {
        qWarning().noquote() << "Received dataset rejected:" << dataset.reason;
        return dataset.failure;
    }
    if (!QDir().mkpath(folder))
        return storeFailureText();
    const QByteArray metadataText = QJsonDocument(dataset.metadata).toJson(QJsonDocument::Indented);
    // A dataset of the same identifier may be there already: staged, the replacement leaves
    // the old dataset or the new one, whenever it is cut off.
    StagedDataset staged(folder, reply.identifier);
    if (!staged.stageValues(reply.values) || !staged.stagePreview(pngOf(dataset.preview))
        || !staged.stageMetadata(metadataText)) {
        staged.discard();
        return storeFailureText();
    }
    // Decided: should a move fail, the next start finishes it.
    if (!staged.commit())
        return storeFailureText();
    if (name)
        *name = dataset.metadata.value(QStringLiteral("name")).toString();
    return QString();
}

QString storeReceivedDataset(const QString& folder, const QByteArray& reply, QString* name)
{
    TransferReplyParser parser;
    if (parser.feed(reply) != TransferReplyParser::State::Complete) {
        qWarning().noquote() << "Received dataset rejected:"
                             << (parser.rejection().isEmpty() ? QStringLiteral("incomplete reply")
                                                              : parser.rejection());
        return invalidReceivedDatasetText();
    }
    return storeReceivedDataset(folder, parser.reply(), name);
}

std::optional<TransferReply> readDatasetForTransfer(const QString& folder, const QString& id,
                                                    QString* reason)
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return std::nullopt;
    };
    QFile metadataFile(pathIn(folder, id, ".xml"));
    if (!metadataFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("no metadata file ") + metadataFile.fileName());
    const QJsonDocument metadata = parseMetadata(metadataFile.readAll());
    if (!metadata.isObject())
        return fail(QStringLiteral("metadata is not a JSON object: ") + metadataFile.fileName());
    const QImage preview(pathIn(folder, id, ".png"), "PNG");
    if (preview.isNull())
        return fail(QStringLiteral("no preview ") + pathIn(folder, id, ".png"));
    QFile valueFile(pathIn(folder, id, ".s3d"));
    if (!valueFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("no value file ") + valueFile.fileName());
    return TransferReply{id, binaryJsonOf(metadata.object()), pngOf(preview), valueFile.readAll()};
}
