#include "app/widgets/look.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>

namespace {
QString num(double value)
{
    return QString::number(value, 'g', 6);
}
} // namespace

QString densityRules(double d)
{
    QString rules;
    rules += QStringLiteral("QSlider:horizontal {min-height: %1px;}").arg(num(0.4 * d));
    rules += QStringLiteral("QSlider::groove:horizontal {height: %1px; margin: %2px 0;}")
                 .arg(num(0.4 * d), num(-0.12 * d));
    rules += QStringLiteral("QSlider::handle:horizontal { border-radius: %1px; width: %2px; }")
                 .arg(num(0.4 * d * 0.5), num(0.4 * d));
    rules += QStringLiteral("QCheckBox::indicator:unchecked, QMenu::indicator:unchecked "
                            "{ width: %1px; height: %2px;}")
                 .arg(num(0.35 * d), num(0.35 * d));
    rules += QStringLiteral("QCheckBox::indicator:checked, QMenu::indicator:checked "
                            "{ width: %1px; height: %2px;}")
                 .arg(num(0.35 * d), num(0.35 * d));
    // Text fields a finger can hit: the font alone made them a quarter inch high.
    rules += QStringLiteral("QLineEdit { min-height: %1px; }").arg(num(0.35 * d));
    // The buttons of boxes and dialogs too: Yes and No of a box were 19 px high at 96 dpi.
    rules += QStringLiteral("QDialogButtonBox QPushButton { min-height: %1px; min-width: %2px; }")
                 .arg(num(0.35 * d), num(0.75 * d));
    // %1 appears twice in this rule: both paddings get the same value.
    rules += QStringLiteral("QMenu::item { padding: 0px %1px 0px %1px; min-height: %2px;}")
                 .arg(num(0.1 * d + 0.35 * d + 10), num(0.5 * d));
    return rules;
}

QString styleSheetFor(double dpi)
{
    QString base;
    QFile file(QStringLiteral(":/res/styles/UniversalDesign.qss"));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        base = QString::fromLatin1(bytes.constData(), int(qstrnlen(bytes.constData(), uint(bytes.size()))));
    }
    return base + densityRules(dpi);
}

void applyLook(QApplication& app, double dpi)
{
    app.setStyleSheet(styleSheetFor(dpi));
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/res/fonts/SF-Pro-Text-Regular.otf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    // Without a usable embedded font the platform's default family stays, at the same size.
    QFont font = families.isEmpty() ? app.font() : QFont(families.first());
    font.setPointSize(12);
    app.setFont(font);
}

QString versionStringFromBuildDate(const QString& buildDate)
{
    const QDate date = QLocale(QLocale::English, QLocale::UnitedStates)
                           .toDate(buildDate.simplified(), QStringLiteral("MMM d yyyy"));
    return date.toString(QStringLiteral("yy.MM.00"));
}

QString versionString()
{
    static const QString version = versionStringFromBuildDate(QStringLiteral(__DATE__));
    return version;
}
