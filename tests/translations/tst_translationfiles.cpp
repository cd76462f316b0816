// The translation files: every text of the sources has a finished, non-empty
// translation in each language with its placeholders and links intact, and the
// compiled files beside the program load.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty
    bool numerus = false;
};

QString key(const QString &context, const QString &source)
{
    return context + QLatin1Char('\x1f') + source;
}

// Reads every message of a .ts file; false with a reason when it is not one.
bool readTs(const QString &path, QList<Message> *messages, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                inMessage = true;
                current = Message();
                current.context = context;
                current.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source") && inMessage) {
                current.source = xml.readElementText();
            } else if (name == QLatin1String("translation") && inMessage) {
                current.type = xml.attributes().value(QLatin1String("type")).toString();
                current.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            inMessage = false;
            messages->append(current);
        }
    }
    if (xml.hasError()) {
        *error = path + QStringLiteral(": ") + xml.errorString();
        return false;
    }
    return true;
}

// "%1", "%2", ... in order of number, each as often as it occurs.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d+)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

// Links and the addresses they point at must survive translation.
QStringList links(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("href=['\"]([^'\"]*)['\"]"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    found.sort();
    return found;
}

// Bracketed file patterns of the document dialogs' filters ("(*.txt)").
QStringList filePatterns(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.[^)]*\\)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    return found;
}

const QStringList kLanguages = {QStringLiteral("zh-CN"), QStringLiteral("es"), QStringLiteral("ja")};

QString tsPath(const QString &code)
{
    return QStringLiteral(QUILLET_SOURCE_DIR "/translations/quillet_%1.ts").arg(code);
}

} // namespace

class TestTranslationFiles : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_work;
    QHash<QString, Message> m_extracted; // by context and source

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        // A fresh extraction of every text of the sources, as lupdate finds it.
        const QString fresh = m_work.filePath(QStringLiteral("fresh.ts"));
        QStringList arguments{QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                              QStringLiteral("-silent")};
        for (const QString &folder : QStringLiteral(TRANSLATED_FOLDERS).split(QLatin1Char(',')))
            arguments << QStringLiteral(QUILLET_SOURCE_DIR "/") + folder;
        arguments << QStringLiteral("-ts") << fresh;
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(LUPDATE_PROGRAM), arguments);
        QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

        QList<Message> messages;
        QString error;
        QVERIFY2(readTs(fresh, &messages, &error), qPrintable(error));
        for (const Message &message : messages)
            m_extracted.insert(key(message.context, message.source), message);
        // The program has far more texts than this; fewer means the scan went wrong.
        QVERIFY2(m_extracted.size() > 150, qPrintable(QString::number(m_extracted.size())));
    }

    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : kLanguages)
            QTest::newRow(qPrintable(code)) << code;
    }

    void everyTextTranslated()
    {
        QFETCH(QString, code);
        QList<Message> messages;
        QString error;
        QVERIFY2(readTs(tsPath(code), &messages, &error), qPrintable(error));

        QHash<QString, Message> translated;
        QStringList problems;
        for (const Message &message : messages) {
            translated.insert(key(message.context, message.source), message);
            const QString where = message.context + QStringLiteral(": \"") + message.source.left(60)
                                  + QStringLiteral("\"");
            if (!message.type.isEmpty())
                problems << where + QStringLiteral(" is ") + message.type;
            else if (message.translation.trimmed().isEmpty())
                problems << where + QStringLiteral(" has an empty translation");
            if (message.numerus)
                continue;
            if (placeholders(message.source) != placeholders(message.translation))
                problems << where + QStringLiteral(" loses or adds a placeholder");
            if (links(message.source) != links(message.translation))
                problems << where + QStringLiteral(" changes a link");
            if (filePatterns(message.source) != filePatterns(message.translation))
                problems << where + QStringLiteral(" changes a file pattern");
        }
        for (auto it = m_extracted.cbegin(); it != m_extracted.cend(); ++it) {
            if (!translated.contains(it.key()))
                problems << it->context + QStringLiteral(": \"") + it->source.left(60)
                                + QStringLiteral("\" is missing (run the update_translations target)");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Every language names the same action the same way in every context, so
    // the message box can tell its "Cancel" from the caller's.
    void cancelIsOneWord_data() { everyTextTranslated_data(); }
    void cancelIsOneWord()
    {
        QFETCH(QString, code);
        QList<Message> messages;
        QString error;
        QVERIFY2(readTs(tsPath(code), &messages, &error), qPrintable(error));
        QSet<QString> cancel;
        QSet<QString> ok;
        for (const Message &message : messages) {
            if (message.source == QLatin1String("Cancel"))
                cancel.insert(message.translation);
            if (message.source == QLatin1String("OK"))
                ok.insert(message.translation);
        }
        QCOMPARE(cancel.size(), 1);
        QCOMPARE(ok.size(), 1);
    }

    void compiledFilesBesideTheProgram_data() { everyTextTranslated_data(); }
    void compiledFilesBesideTheProgram()
    {
        QFETCH(QString, code);
        const QString qm = QCoreApplication::applicationDirPath() + QStringLiteral("/quillet_%1.qm").arg(code);
        QVERIFY2(QFile::exists(qm), qPrintable(qm));
        QTranslator translator;
        QVERIFY(translator.load(qm));
        const QString review = translator.translate("QObject", "Review");
        QVERIFY(!review.isEmpty());
        QVERIFY(review != QLatin1String("Review"));
        // The connection message is one of the texts passed through a variable.
        QVERIFY(!translator
                     .translate("MainWnd",
                                "Oops, nobody answered. There's a connection error or Quillet is not home right "
                                "now.\t\t\t   \n\nPlease check your network connection. You may need to use proxy "
                                "under certain circumstances.")
                     .isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
