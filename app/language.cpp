#include "app/language.h"

#include "app/appsettings.h"
#include "app/settingskeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace {
QTranslator& translator()
{
    static QTranslator instance;
    return instance;
}
} // namespace

void setLanguage(const QString& code)
{
    Settings::language.write(code);
    // No directory and no suffix: the loader appends ".qm" itself.
    translator().load(QStringLiteral(":/res/languages/language_") + code);
    QCoreApplication::installTranslator(&translator());
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
