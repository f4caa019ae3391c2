#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Writes the code to general/language and installs the translation
// ":/res/languages/language_<code>.qm" (an empty translator when there is none) over Qt's
// own texts for that language; the layout runs right to left for languages written so.
void setLanguage(const QString& code);

// The number and date conventions of the language in general/language, for the numbers a
// user reads and types.
QLocale languageLocale();

// Codes of the embedded translations, in the resource folder's order: "language_zh_CN.qm"
// gives "zh_CN".
QStringList embeddedLanguageCodes();

// The language for a first start, from the system locale's name.
QString defaultLanguage();
// The same for a given locale name such as "de_DE": the name cut at its last underscore
// must equal an embedded language code exactly, otherwise "en".
QString defaultLanguageFor(const QString& localeName);

// Start-up: installs the stored language, or on a first start the default language for
// the given system locale name, which is then stored.
void initLanguage(const QString& systemLocaleName);
