// quillet-check: checks a text through the checking service, as a review of
// the main program does, and prints what it found.

#include "checkcommand.h"
#include "cresultstate.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillet-check"));
    CResultState::registerMetaType();
    GammaLib::prepareSegmentation();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks an English text with the Quillet checking service and prints each flagged span "
        "with its sentence, offsets, type and candidates, the two document scores and the words "
        "per vocabulary level.\n\n"
        "Exit codes: 0 done, 1 bad arguments or unreadable file, 2 service cannot be reached, "
        "3 session or log-in refused, 4 no answer in time, 5 other failure."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("UTF-8 text file to check; standard input when absent or \"-\"."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the result as JSON."));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("Log in as <name> first."),
                                  QStringLiteral("name"));
    const QCommandLineOption password(QStringLiteral("password"),
                                      QStringLiteral("Password for --user."), QStringLiteral("password"));
    const QCommandLineOption host(QStringLiteral("service-host"),
                                  QStringLiteral("Use <host:port> for the product services instead of %1.")
                                      .arg(GammaLib::ServiceAddresses::defaultProductHost()),
                                  QStringLiteral("host:port"));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QStringLiteral("Seconds to wait for the checking service (100)."),
                                     QStringLiteral("seconds"), QStringLiteral("100"));
    parser.addOptions({json, user, password, host, timeout});
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "quillet-check: give one file at most\n");
        return CheckCommand::UsageError;
    }
    if (parser.isSet(password) && !parser.isSet(user)) {
        std::fprintf(stderr, "quillet-check: --password needs --user\n");
        return CheckCommand::UsageError;
    }
    bool timeoutOk = false;
    const int seconds = parser.value(timeout).toInt(&timeoutOk);
    if (!timeoutOk || seconds <= 0) {
        std::fprintf(stderr, "quillet-check: --timeout takes a positive number of seconds\n");
        return CheckCommand::UsageError;
    }

    QFile input;
    const QString path = files.value(0);
    bool opened = false;
    if (path.isEmpty() || path == QLatin1String("-")) {
        opened = input.open(stdin, QIODevice::ReadOnly);
    } else {
        input.setFileName(path);
        opened = input.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        std::fprintf(stderr, "quillet-check: cannot read %s: %s\n",
                     qPrintable(path.isEmpty() ? QStringLiteral("standard input") : path),
                     qPrintable(input.errorString()));
        return CheckCommand::UsageError;
    }

    if (parser.isSet(host))
        GammaLib::ServiceAddresses::instance().setProductHosts(parser.value(host));

    CheckCommand::Options options;
    options.text = QString::fromUtf8(input.readAll());
    options.json = parser.isSet(json);
    options.user = parser.value(user);
    options.password = parser.value(password);
    options.timeoutSeconds = seconds;

    CheckCommand command(options);
    QTimer::singleShot(0, &command, &CheckCommand::start);
    return app.exec();
}
