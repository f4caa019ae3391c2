#include "datasets/datasetidentifier.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace {
QString hexDigits(quint64 value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0'));
}
} // namespace

QString datasetIdentifierFrom(quint64 a, quint64 b)
{
    a = (a & ~quint64(0xB000)) | quint64(0x4000);
    b = (b & ~(quint64(3) << 62)) | (quint64(2) << 62);
    return hexDigits(a >> 32, 8) + '-' + hexDigits((a >> 16) & 0xFFFF, 4) + '-'
           + hexDigits(a & 0xFFFF, 4) + '-' + hexDigits(b >> 48, 4) + '-'
           + hexDigits((b >> 32) & 0xFFFF, 4) + hexDigits(b & 0xFFFFFFFF, 8);
}

QString newDatasetIdentifier()
{
    // The system generator reads the OS random device, so identifiers never repeat a seed.
    QRandomGenerator* random = QRandomGenerator::system();
    const quint64 a = random->generate64();
    const quint64 b = random->generate64();
    return datasetIdentifierFrom(a, b);
}

bool isDatasetIdentifier(const QString& text)
{
    // Anchored on both ends: a "$" alone would also accept a trailing line break.
    static const QRegularExpression form(QRegularExpression::anchoredPattern(QStringLiteral(
        "[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}")));
    return form.match(text).hasMatch();
}
