#include "appicon.h"
#include "appsettings.h"
#include "clientidentity.h"
#include "closerequestserver.h"
#include "colorscheme.h"
#include "configfile.h"
#include "installreport.h"
#include "instancekeys.h"
#include "languagechoice.h"
#include "mainwnd.h"
#include "serviceaddresses.h"
#include "sentencesplitter.h"
#include "sharedmemoryobject.h"
#include "useraccess.h"
#include "windowraiser.h"
#include "startupsteps.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QLocalSocket>
#include <QLocale>
#include <QPointer>
#include <QTextStream>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // "--check-install" prints where the program finds its files and ends.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--check-install") == 0) {
            QCoreApplication core(argc, argv);
            QTextStream out(stdout);
            return InstallReport::print(out);
        }
    }

    // Process-wide objects first: service addresses and both settings stores.
    GammaLib::ServiceAddresses::instance();
    ConfigFile &preferences = AppSettings::preferenceConfig();
    AppSettings::settingConfig();
    GammaLib::UserAccess::instance();
    // The splitter's tables are built once, before any worker thread runs.
    GammaLib::prepareSegmentation();

    StartupSteps::registerMetaTypes();
    QApplication app(argc, argv);
    ColorScheme::applyFromEnvironment();
    QCoreApplication::setApplicationName(QStringLiteral("Quillet"));
    QCoreApplication::setApplicationVersion(GammaLib::clientVersion());
    // The desktop entry (quillet.desktop) names the program to the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("quillet"));
    QApplication::setWindowIcon(AppIcon::icon());
    QTranslator applicationTranslator;
    QTranslator toolkitTranslator;
    LanguageChoice::install(preferences, QLocale().language(), applicationTranslator,
                            toolkitTranslator);

    const QString key = InstanceKeys::mainProgram();
    auto *guard = new GammaLib::SharedMemoryObject(key, &app);
    if (!guard->isFirstInstance()) {
        const QStringList args = app.arguments();
        if (args.size() < 2 || args.at(1) != QLatin1String("restart")) {
            // Started again by the user: the running copy shows itself.
            QLocalSocket running;
            running.connectToServer(key, QIODevice::ReadWrite);
            if (running.waitForConnected(500)) {
                running.write(CloseRequestServer::raiseWord() + '\n');
                running.waitForBytesWritten(500);
                running.disconnectFromServer();
            }
            return 0;
        }
        // Ask the running copy to quit; it does so 500 ms after we connect.
        auto *socket = new QLocalSocket;
        socket->connectToServer(key, QIODevice::ReadWrite);
        socket->waitForConnected(500);
        socket->deleteLater();
    }

    // SIGTERM and SIGHUP end the program in order: before the main window is
    // up, the preferences are saved and every event loop ends; after, the
    // window ends it (see MainWnd::closeForSignal).
    QPointer<MainWnd> mainWindow;
    bool terminated = false;
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app, [&] {
        terminated = true;
        if (mainWindow) {
            mainWindow->closeForSignal();
        } else {
            preferences.save();
            QCoreApplication::exit(0);
        }
    });

    // A silent connection on this server asks this copy to quit; the word
    // "raise" brings its windows to the front. A failure to listen is not
    // fatal: the program then runs without the handshake.
    CloseRequestServer server(key);
    QObject::connect(&server, &CloseRequestServer::closeRequested, guard,
                     &GammaLib::SharedMemoryObject::slotPlantoCloseApp);
    QObject::connect(&server, &CloseRequestServer::raiseRequested, &app, &WindowRaiser::bringToFront);
    server.start(guard->isFirstInstance());

    if (guard->isFirstInstance())
        StartupSteps::repairInterruptedUpdate();
    StartupSteps::applyStoredProxy();
    if (!StartupSteps::signIn() || terminated)
        return 0;

    int result = 0;
    {
        MainWnd window;
        mainWindow = &window;
        window.show();
        window.activateWindow();
        result = app.exec();
    }
    return result;
}
