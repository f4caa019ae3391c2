#include "app/widgets/startup.h"

#include "app/appsettings.h"
#include "app/language.h"
#include "app/widgets/look.h"
#include "app/widgets/mainwindow.h"
#include "app/widgets/messageboxdialog.h"
#include "app/widgets/modalbuttonrelease.h"
#include "app/resources.h"
#include "datasets/datasetstore.h"
#include "app/settingsrepair.h"

#include <QApplication>
#include <QDebug>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QSplashScreen>

int runApplication(int argc, char* argv[])
{
    QApplication app(argc, argv);
    initResources();
    installMessageBoxDialogs();

    QSplashScreen splash(QPixmap(QStringLiteral(":/res/images/splash.png")));
    splash.show();

    QScreen* screen = QGuiApplication::screens().value(0);
    if (screen) {
        screenDpi = screen->logicalDotsPerInch();
        qDebug() << "Resolution: " << screen->size();
    }
    qDebug() << "Dots per inch: " << screenDpi;

    currentPosition = QGeoCoordinate(0.0, 0.0);

    const QString settingsPath = defaultSettingsPath();
    qDebug() << "Documents Location: " << settingsPath;
    openAppSettings(settingsPath);
    repairSettings();

    initLanguage(QLocale::system().name());
    applyLook(app, screenDpi);
    releaseButtonsWhenModalOpens(app);

    // A received dataset that was replacing one when the program died is put in place whole.
    const DatasetStore store;
    store.completeInterruptedStores();
    // Deleted datasets are kept for 30 days, then the trash lets them go.
    store.purgeTrash(QDateTime::currentDateTimeUtc());

    MainWindow window;
    // Without a window manager (a bare X server) "maximized" is only a hint; fill the screen anyway.
    if (screen)
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    splash.finish(&window);
    return app.exec();
}
