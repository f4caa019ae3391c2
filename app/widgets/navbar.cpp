#include "app/widgets/navbar.h"

#include "app/appsettings.h"
#include "app/widgets/batterygauge.h"
#include "app/language.h"
#include "app/widgets/menuiconproxystyle.h"
#include "app/settingskeys.h"
#include "app/widgets/titlelabel.h"
#include "datasets/widgets/waitingspinnerwidget.h"

#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLocale>
#include <QMenu>
#include <QToolButton>

#include <algorithm>
#include <iterator>

namespace {
struct ColormapEntry
{
    const char* text;
    const char* icon;
};

// In the order of the colour map numbers 1 to 4.
const ColormapEntry colormapTable[] = {
    {QT_TRANSLATE_NOOP("NavBar", "Jet"), ":/res/images/new/Jet.png"},
    {QT_TRANSLATE_NOOP("NavBar", "Black Body"), ":/res/images/new/BlackBodyRadiation.png"},
    {QT_TRANSLATE_NOOP("NavBar", "Grey Scale"), ":/res/images/new/GrayScale.png"},
    {QT_TRANSLATE_NOOP("NavBar", "Temperature"), ":/res/images/new/Temperature.png"},
};

QIcon icon(const char* name)
{
    return QIcon(QStringLiteral(":/res/images/new/") + QLatin1String(name));
}

// Four buttons share the bar with the title: on a narrow screen at a high density each gets
// an eighth of the screen's short side, though never less than a finger's width.
int buttonWidth()
{
    return std::max(inches(0.3), std::min(inches(0.75), screenShortSide() / 8));
}

// Back points to the edge it stands at: to the right in a language written right to left.
QIcon backIcon(Qt::LayoutDirection direction)
{
    const QImage arrow(QStringLiteral(":/res/images/new/back.png"));
    return QIcon(QPixmap::fromImage(direction == Qt::RightToLeft ? arrow.mirrored(true, false) : arrow));
}
} // namespace

NavBar::NavBar(QWidget* parent) : QWidget(parent)
{
    const double d = screenDpi;
    setStyleSheet(QStringLiteral("background-color: #e6d1a7;"));
    // Without this a plain QWidget does not paint its style-sheet background.
    setAttribute(Qt::WA_StyledBackground, true);
    const int barHeight = int(d * 0.66);
    setMinimumHeight(barHeight);
    setMaximumHeight(barHeight);

    spinner = new WaitingSpinnerWidget(nullptr, false, false);
    spinner->setLineCount(12);
    spinner->setLineLength(int(barHeight * 0.4));
    spinner->setLineWidth(4);
    spinner->setInnerRadius(int(barHeight * 0.1));
    spinner->setRevolutionsPerSecond(1);
    spinner->setColor(QColor(98, 98, 98));

    const int iconSide = std::min(int(barHeight * 0.8), int(buttonWidth() * 0.9));
    backButton = makeButton(QString(), iconSide);
    backButton->setIcon(backIcon(layoutDirection()));
    batteryButton = makeButton(QString(), iconSide);
    batteryButton->setStyleSheet(QStringLiteral("border: none"));
    connectButton = makeButton(QStringLiteral(":/res/images/new/not connected.png"), iconSide);
    connectButton->setStyleSheet(QStringLiteral("QToolButton:pressed{ border: 0px solid red; }"));
    settingsButton = makeButton(QStringLiteral(":/res/images/new/options.png"), iconSide);
    settingsButton->setPopupMode(QToolButton::InstantPopup);
    settingsButton->setStyleSheet(QStringLiteral("border: 0px;"));
    batteryPixmap = QPixmap(iconSide, iconSide);
    connect(connectButton, &QToolButton::pressed, this, &NavBar::emitConnectSignal);
    connect(backButton, &QToolButton::pressed, this, &NavBar::emitBackSignal);

    titleLabel = new TitleLabel(QStringLiteral("Sorvanel 3D"), this);
    titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(backButton, 1);
    layout->addWidget(titleLabel, 1);
    layout->addWidget(batteryButton, 2);
    layout->addWidget(connectButton, 2);
    layout->addWidget(spinner, 2);
    layout->addWidget(settingsButton, 2);

    // The style outlives every menu it is given, other screens' menus included: a menu
    // keeps a plain pointer to it once the application has a style sheet.
    menuStyle = new MenuIconProxyStyle;
    menuStyle->setParent(QCoreApplication::instance());
    buildSettingsMenu();
    retranslate();
    restoreSettingsMenu();

    setBatteryLevel(0);
    setConnected(false);
}

QToolButton* NavBar::makeButton(const QString& iconPath, int iconSide)
{
    auto* button = new QToolButton(this);
    if (!iconPath.isEmpty())
        button->setIcon(QIcon(iconPath));
    button->setIconSize(QSize(iconSide, iconSide));
    button->setMinimumSize(buttonWidth(), int(screenDpi * 0.66));
    return button;
}

void NavBar::buildSettingsMenu()
{
    settingsMenu = new QMenu(this);
    settingsMenu->setStyle(menuStyle);

    gpsAction = settingsMenu->addAction(icon("gps_off.png"), QString());
    connect(gpsAction, &QAction::triggered, this, &NavBar::emitPositioningSignal);

    soundAction = settingsMenu->addAction(
        icon(Settings::recordSound.read().toBool() ? "sound_on.png" : "sound_off.png"), QString());
    connect(soundAction, &QAction::triggered, this, &NavBar::toggleSound);

    buildScanColorMenu();

    receiveAction = settingsMenu->addAction(icon("fileImport.png"), QString());
    connect(receiveAction, &QAction::triggered, this, &NavBar::emitFileImportSignal);

    deletedAction = settingsMenu->addAction(icon("delete.png"), QString());
    connect(deletedAction, &QAction::triggered, this, &NavBar::deletedDatasetsButtonPushed);

    // Takes effect from the next connection: each connection has one capture file.
    captureAction = settingsMenu->addAction(QString());
    captureAction->setCheckable(true);
    captureAction->setChecked(Settings::captureScannerStream.read().toBool());
    connect(captureAction, &QAction::toggled, this, [](bool on) { Settings::captureScannerStream.write(on); });

    buildLanguageMenu();
}

void NavBar::buildScanColorMenu()
{
    scanColorMenu = new QMenu(settingsMenu);
    scanColorMenu->setStyle(menuStyle);
    scanColorMenu->setIcon(icon("scanColor_offpng.png"));
    connect(scanColorMenu, &QMenu::aboutToShow, this,
            [this] { scanColorMenu->setIcon(icon("scanColor_on.png")); });
    connect(scanColorMenu, &QMenu::aboutToHide, this,
            [this] { scanColorMenu->setIcon(icon("scanColor_offpng.png")); });
    settingsMenu->addMenu(scanColorMenu);

    // Not checkable: the menu does not mark the current map.
    colormapGroup = new QActionGroup(this);
    for (int i = 0; i < int(std::size(colormapTable)); ++i) {
        QAction* action = colormapGroup->addAction(QIcon(QString::fromLatin1(colormapTable[i].icon)), QString());
        scanColorMenu->addAction(action);
        connect(action, &QAction::triggered, this, [i] { Settings::colormap.write(i + 1); });
    }
}

void NavBar::buildLanguageMenu()
{
    languageMenu = new QMenu(settingsMenu);
    languageMenu->setStyle(menuStyle);
    languageMenu->setIcon(icon("language_off.png"));
    connect(languageMenu, &QMenu::aboutToShow, this, &NavBar::setLanguageButtonEnabled);
    connect(languageMenu, &QMenu::aboutToHide, this, &NavBar::setLanguageButtonDisabled);
    settingsMenu->addMenu(languageMenu);

    languageGroup = new QActionGroup(this);
    languageGroup->setExclusive(true);
    const QString stored = Settings::language.read().toString();
    for (const QString& code : embeddedLanguageCodes()) {
        QAction* action = languageGroup->addAction(QLocale(code).nativeLanguageName());
        action->setData(code);
        action->setCheckable(true);
        action->setChecked(code == stored);
        languageMenu->addAction(action);
        connect(action, &QAction::triggered, this, [code] {
            // The library's tiles carry translated texts: they are rebuilt when next shown.
            libraryDirty = true;
            setLanguage(code);
        });
    }
}

void NavBar::toggleSound()
{
    const bool on = Settings::recordSound.toggle();
    soundAction->setIcon(icon(on ? "sound_on.png" : "sound_off.png"));
}

void NavBar::setTitle(const QString& title)
{
    titleLabel->setText(title);
}

QString NavBar::title() const
{
    return titleLabel->text();
}

void NavBar::setConnected(bool connected)
{
    connectButton->show();
    spinner->stop();
    connectButton->setIcon(icon(connected ? "connected.png" : "not connected.png"));
    batteryButton->setVisible(connected);
}

void NavBar::showConnecting()
{
    connectButton->hide();
    spinner->start();
}

void NavBar::setBatteryLevel(int percent)
{
    BatteryGauge::draw(batteryPixmap, percent);
    batteryButton->setIcon(QIcon(batteryPixmap));
}

void NavBar::setGpsActive(bool active)
{
    gpsAction->setIcon(icon(active ? "gps_on.png" : "gps_off.png"));
}

void NavBar::setLanguageMenuVisible(bool visible)
{
    languageMenu->menuAction()->setVisible(visible);
}

void NavBar::setSettingsMenu(QMenu* menu)
{
    // A null menu would leave the settings button without any menu.
    attachMenu(menu ? menu : settingsMenu);
}

void NavBar::restoreSettingsMenu()
{
    attachMenu(settingsMenu);
}

void NavBar::activeMenuDestroyed()
{
    // The menu is already down to its QObject part here: forget it without looking at it.
    activeMenu.clear();
    attachMenu(settingsMenu);
}

void NavBar::attachMenu(QMenu* menu)
{
    if (activeMenu && activeMenu != menu)
        disconnect(activeMenu, nullptr, this, nullptr);
    activeMenu = menu;
    if (menu != settingsMenu) {
        menu->setStyle(menuStyle);
        // Should that screen go away first, the bar's own menu takes its place again.
        connect(menu, &QObject::destroyed, this, &NavBar::activeMenuDestroyed, Qt::UniqueConnection);
    }
    connect(menu, &QMenu::aboutToShow, this, &NavBar::setSettingsButtonEnabled, Qt::UniqueConnection);
    connect(menu, &QMenu::aboutToHide, this, &NavBar::setSettingsButtonDisabled, Qt::UniqueConnection);
    settingsButton->setMenu(menu);
}

void NavBar::setSettingsButtonEnabled()
{
    settingsButton->setIcon(icon("options_open.png"));
}

void NavBar::setSettingsButtonDisabled()
{
    settingsButton->setIcon(icon("options.png"));
}

void NavBar::setLanguageButtonEnabled()
{
    languageMenu->setIcon(icon("language_on.png"));
}

void NavBar::setLanguageButtonDisabled()
{
    languageMenu->setIcon(icon("language_off.png"));
}

void NavBar::emitConnectSignal()
{
    emit connectButtonPushed();
}

void NavBar::emitBackSignal()
{
    emit backButtonPushed();
}

void NavBar::emitPositioningSignal()
{
    emit gpsButtonPushed();
}

void NavBar::emitFileImportSignal()
{
    emit fileImportButtonPushed();
}

void NavBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::LayoutDirectionChange)
        backButton->setIcon(backIcon(layoutDirection()));
    QWidget::changeEvent(event);
}

void NavBar::retranslate()
{
    languageMenu->setTitle(tr("Language"));
    soundAction->setText(tr("Enable Sound"));
    scanColorMenu->setTitle(tr("Scan Color"));
    const QList<QAction*> colormaps = colormapGroup->actions();
    for (int i = 0; i < colormaps.size(); ++i)
        colormaps[i]->setText(tr(colormapTable[i].text));
    gpsAction->setText(tr("GPS"));
    receiveAction->setText(tr("Receive Dataset"));
    deletedAction->setText(tr("Deleted Datasets"));
    captureAction->setText(tr("Capture Scanner Stream"));
}
