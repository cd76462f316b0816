#include "legacydocconverter.h"

#include "atomicfile.h"
#include "docxdocument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QStringList &searchPaths()
{
    static QStringList paths;
    return paths;
}

QString findTool(const QString &name)
{
    return QStandardPaths::findExecutable(name, searchPaths());
}

QString findOffice()
{
    QString office = findTool(QStringLiteral("soffice"));
    if (office.isEmpty())
        office = findTool(QStringLiteral("libreoffice"));
    return office;
}

bool runTool(const QString &program, const QStringList &arguments, int timeoutMs, QByteArray *output,
             const std::atomic<bool> *cancel = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(5000))
        return false;
    // Looks at the cancel flag between short waits.
    constexpr int Step = 100;
    QElapsedTimer waited;
    waited.start();
    bool finished = false;
    while (!finished) {
        const bool cancelled = cancel && cancel->load();
        if (cancelled || waited.elapsed() >= timeoutMs) {
            process.kill();
            process.waitForFinished(5000);
            return false;
        }
        finished = process.waitForFinished(int(qMin<qint64>(Step, timeoutMs - waited.elapsed())))
                   || process.state() == QProcess::NotRunning;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

void LegacyDocConverter::setSearchPaths(const QStringList &paths)
{
    searchPaths() = paths;
}

bool LegacyDocConverter::readText(const QString &path, QString *text)
{
    const QString antiword = findTool(QStringLiteral("antiword"));
    if (antiword.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QByteArray output;
    // "-w 0": one line per paragraph; "-m UTF-8.txt": UTF-8 output.
    if (!runTool(antiword, {QStringLiteral("-w"), QStringLiteral("0"), QStringLiteral("-m"),
                            QStringLiteral("UTF-8.txt"), QStringLiteral("--"), path},
                 ReadTimeoutMs, &output))
        return false;
    QString result = QString::fromUtf8(output);
    // antiword ends the text with an empty line.
    while (result.endsWith(QLatin1Char('\n')))
        result.chop(1);
    *text = result;
    return true;
}

bool LegacyDocConverter::canWrite()
{
    return !findOffice().isEmpty();
}

bool LegacyDocConverter::writeText(const QString &path, const QString &text, const std::atomic<bool> *cancel)
{
    const QString office = findOffice();
    if (office.isEmpty())
        return false;
    QTemporaryDir work;
    if (!work.isValid())
        return false;
    const QString source = work.filePath(QStringLiteral("document.docx"));
    if (!DocxDocument::writeText(source, text))
        return false;
    const QString profile = QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString();
    if (!runTool(office,
                 {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                  QStringLiteral("--convert-to"), QStringLiteral("doc:MS Word 97"), QStringLiteral("--outdir"),
                  work.path(), source},
                 WriteTimeoutMs, nullptr, cancel))
        return false;
    if (cancel && cancel->load())
        return false;
    const QString converted = work.filePath(QStringLiteral("document.doc"));
    QFile result(converted);
    if (!result.open(QIODevice::ReadOnly))
        return false;
    return AtomicFile::write(path, result.readAll());
}
