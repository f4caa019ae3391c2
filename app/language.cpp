#include "app/language.h"

#include "app/appsettings.h"
#include "app/settingskeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
QTranslator& translator()
{
    static QTranslator instance;
    return instance;
}

// Qt's own texts: the standard buttons of every box, the print dialog.
QTranslator& qtTranslator()
{
    static QTranslator instance;
    return instance;
}

// Qt ships no Greek texts, so the program carries the standard buttons of its boxes itself;
// its translation is searched before Qt's and gives them in every language alike.
[[maybe_unused]] const char* const standardButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),     QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),   QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Retry"),  QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
};
} // namespace

void setLanguage(const QString& code)
{
    Settings::language.write(code);
    // Removing announces the change to every window; the texts are read again once the
    // new translators are in.
    QCoreApplication::removeTranslator(&translator());
    QCoreApplication::removeTranslator(&qtTranslator());
    // By language, not country: "es_ES" finds qtbase_es, "zh_CN" qtbase_zh_CN.
    qtTranslator().load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    // No directory and no suffix: the loader appends ".qm" itself.
    translator().load(QStringLiteral(":/res/languages/language_") + code);
    // The last installed is asked first.
    QCoreApplication::installTranslator(&qtTranslator());
    QCoreApplication::installTranslator(&translator());
    QGuiApplication::setLayoutDirection(QLocale(code).textDirection());
}

QLocale languageLocale()
{
    return QLocale(Settings::language.read().toString());
}

QStringList embeddedLanguageCodes()
{
    const QStringList entries = QDir(QStringLiteral(":/res/languages/"))
                                    .entryList({QStringLiteral("language_*.qm")}, QDir::NoFilter,
                                               QDir::NoSort);
    QStringList codes;
    for (QString entry : entries) {
        entry = entry.left(entry.lastIndexOf('.'));
        codes.append(entry.mid(entry.indexOf('_') + 1));
    }
    return codes;
}

QString defaultLanguageFor(const QString& localeName)
{
    const QString language = localeName.left(localeName.lastIndexOf('_'));
    return embeddedLanguageCodes().contains(language) ? language : QStringLiteral("en");
}

QString defaultLanguage()
{
    return defaultLanguageFor(QLocale::system().name());
}

void initLanguage(const QString& systemLocaleName)
{
    const QString stored =
        appSettings().value(Settings::language.name, Settings::languageNeverChosen).toString();
    if (stored != Settings::languageNeverChosen) {
        setLanguage(Settings::language.read().toString());
        return;
    }
    // setLanguage stores the chosen code.
    setLanguage(defaultLanguageFor(systemLocaleName));
}
