#pragma once

#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class MenuIconProxyStyle;
class QAction;
class QActionGroup;
class QHBoxLayout;
class TitleLabel;
class QToolButton;
class WaitingSpinnerWidget;

// The bar across the top of the main window: Back, the screen title, the scanner's battery
// gauge, the connect button (the spinner while connecting) and the settings menu. It only
// emits signals and shows what the main window tells it; the sound, colour map and language
// choices it stores itself.
class NavBar : public QWidget
{
    Q_OBJECT
public:
    explicit NavBar(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    // Connected: connected icon and battery gauge; not connected: the other icon, no gauge.
    // Either way the spinner stops and the connect button comes back.
    void setConnected(bool connected);
    // The spinner takes the connect button's place.
    void showConnecting();
    void setBatteryLevel(int percent);
    void setGpsActive(bool active);
    void setLanguageMenuVisible(bool visible);
    // Puts another screen's menu (the 3D view's) under the settings button.
    void setSettingsMenu(QMenu* menu);
    void restoreSettingsMenu();

    // For the main window's tests and the screenshots.
    QMenu* ownSettingsMenu() const { return settingsMenu; }
    QMenu* currentSettingsMenu() const { return activeMenu; }
    QMenu* languageEntries() const { return languageMenu; }
    QMenu* colormapEntries() const { return scanColorMenu; }
    QAction* gpsEntry() const { return gpsAction; }
    QAction* soundEntry() const { return soundAction; }
    QAction* receiveEntry() const { return receiveAction; }
    QAction* deletedDatasetsEntry() const { return deletedAction; }
    QAction* captureEntry() const { return captureAction; }
    QToolButton* connectButtonWidget() const { return connectButton; }
    QToolButton* batteryButtonWidget() const { return batteryButton; }
    QToolButton* backButtonWidget() const { return backButton; }
    QToolButton* settingsButtonWidget() const { return settingsButton; }
    WaitingSpinnerWidget* spinnerWidget() const { return spinner; }
    const QPixmap& batteryPicture() const { return batteryPixmap; }

signals:
    void connectButtonPushed();
    void backButtonPushed();
    void gpsButtonPushed();
    void fileImportButtonPushed();
    void deletedDatasetsButtonPushed();

public slots:
    void setSettingsButtonEnabled();
    void setSettingsButtonDisabled();
    void setLanguageButtonEnabled();
    void setLanguageButtonDisabled();
    void emitConnectSignal();
    void emitBackSignal();
    void emitPositioningSignal();
    void emitFileImportSignal();

protected:
    void changeEvent(QEvent* event) override;

private:
    QToolButton* makeButton(const QString& icon, int iconSide);
    void buildSettingsMenu();
    void buildScanColorMenu();
    void buildLanguageMenu();
    void toggleSound();
    void attachMenu(QMenu* menu);
    void activeMenuDestroyed();
    void retranslate();

    QToolButton* backButton = nullptr;
    QToolButton* batteryButton = nullptr;
    QToolButton* connectButton = nullptr;
    QToolButton* settingsButton = nullptr;
    TitleLabel* titleLabel = nullptr;
    QHBoxLayout* layout = nullptr;
    QPixmap batteryPixmap;
    WaitingSpinnerWidget* spinner = nullptr;
    QPointer<QMenu> activeMenu;
    QMenu* settingsMenu = nullptr;
    MenuIconProxyStyle* menuStyle = nullptr;
    QAction* gpsAction = nullptr;
    QAction* soundAction = nullptr;
    QAction* receiveAction = nullptr;
    QAction* deletedAction = nullptr;
    QAction* captureAction = nullptr;
    QActionGroup* languageGroup = nullptr;
    QActionGroup* colormapGroup = nullptr;
    QMenu* languageMenu = nullptr;
    QMenu* scanColorMenu = nullptr;
};
