// The translation sources are complete, keep every placeholder and blank of their source
// texts, and every translated text renders with real glyphs in the application font.
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTextLayout>
#include <QXmlStreamReader>

namespace {
struct Entry
{
    QString context;
    QString source;
    QString type;
    // One text, or one per plural form.
    QStringList translations;
    bool plural = false;
};

QList<Entry> readEntries(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entries.append({context, {}, {}, {}, xml.attributes().value("numerus") == QLatin1String("yes")});
        } else if (entries.isEmpty()) {
            continue;
        } else if (xml.name() == QLatin1String("source")) {
            entries.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entries.last().type = xml.attributes().value("type").toString();
            if (!entries.last().plural)
                entries.last().translations.append(xml.readElementText());
        } else if (xml.name() == QLatin1String("numerusform")) {
            entries.last().translations.append(xml.readElementText());
        }
    }
    return entries;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    auto it = QRegularExpression("%L?(\\d+|n)").globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    return found;
}

QString leadingBlanks(const QString& text)
{
    return text.left(text.size() - QString(text).remove(QRegularExpression("^\\s+")).size());
}

QString trailingBlanks(const QString& text)
{
    return text.right(text.size() - QString(text).remove(QRegularExpression("\\s+$")).size());
}

// What is wrong with one translated text of a source text, or nothing.
QString fault(const QString& source, const QString& text)
{
    if (text.isEmpty())
        return "not translated";
    if (placeholders(source) != placeholders(text))
        return "placeholders differ";
    // Direction marks are invisible: a right-to-left text may end in one before a number.
    const QString visible = QString(text).remove(QRegularExpression("[\\x{200e}\\x{200f}]"));
    if (leadingBlanks(source) != leadingBlanks(visible) || trailingBlanks(source) != trailingBlanks(visible))
        return "leading or trailing blanks differ";
    if (source.count('\n') != text.count('\n'))
        return "line breaks differ";
    return {};
}

QString fault(const Entry& entry)
{
    if (!entry.type.isEmpty())
        return "marked " + entry.type;
    if (entry.translations.isEmpty())
        return "not translated";
    for (const QString& text : entry.translations)
        if (const QString wrong = fault(entry.source, text); !wrong.isEmpty())
            return wrong;
    return {};
}

QString sourcesFolder()
{
    return QStringLiteral(SORVANEL_TRANSLATION_SOURCES);
}

QSet<QString> keys(const QList<Entry>& entries)
{
    QSet<QString> result;
    for (const Entry& entry : entries)
        result.insert(entry.context + QLatin1Char('|') + entry.source);
    return result;
}

// Glyph 0 is the font's missing-glyph box, whichever fallback font was chosen.
bool rendersWithRealGlyphs(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes())
            if (glyph == 0)
                return false;
    return true;
}
} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void sources_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList files = QDir(sourcesFolder()).entryList({"language_*.ts"});
        QCOMPARE(files.size(), 11);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << sourcesFolder() + QLatin1Char('/') + file;
    }

    void sources()
    {
        QFETCH(QString, path);
        const QList<Entry> entries = readEntries(path);
        QVERIFY(!entries.isEmpty());
        QCOMPARE(keys(entries), keys(readEntries(sourcesFolder() + "/language_en.ts")));

        QStringList faults;
        for (const Entry& entry : entries) {
            const QString wrong = fault(entry);
            if (!wrong.isEmpty())
                faults.append(QString("%1 \"%2\": %3").arg(entry.context, entry.source, wrong));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

        const int id = QFontDatabase::addApplicationFont(":/res/fonts/SF-Pro-Text-Regular.otf");
        QVERIFY(id >= 0);
        const QFont font(QFontDatabase::applicationFontFamilies(id).value(0), 12);
        // The language menu shows each language by its native name.
        const QString code = QFileInfo(path).completeBaseName().section('_', 1);
        QStringList texts = {QLocale(code).nativeLanguageName()};
        for (const Entry& entry : entries)
            texts.append(entry.translations);
        QStringList boxes;
        for (const QString& text : texts)
            if (!rendersWithRealGlyphs(text, font))
                boxes.append(text);
        QVERIFY2(boxes.isEmpty(), qPrintable("missing glyphs: " + boxes.join(" | ")));
    }
};

SORVANEL_TEST_MAIN(TranslationsTest)
#include "test_translations.moc"
