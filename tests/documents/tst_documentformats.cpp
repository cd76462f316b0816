// The document formats: plain-text encodings, the ZIP container, the text of
// .docx packages, the converter of older .doc files, and the naming rules of
// the open and save dialogs.
#include "docxdocument.h"
#include "documentnaming.h"
#include "legacydocconverter.h"
#include "textdocumentfile.h"
#include "wordprocessorbridge.h"
#include "zipreader.h"
#include "zipwriter.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString OtherWriterText = QString::fromUtf8(
    "My Holiday\nI go to the beach yesterday.\tFish & chips\nCaf\xC3\xA9 con le\xC3\xB1" "a\n"
    "cell one\ncell two\n\nlast-line");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeScript(const QString &path, const QByteArray &body)
{
    if (!writeBytes(path, "#!/bin/sh\n" + body))
        return false;
    return QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

} // namespace

class TestDocumentFormats : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void cleanup() { LegacyDocConverter::setSearchPaths({}); }

    void plainTextEncodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("utf-8") << QByteArray("na\xC3\xAFve") << QString::fromUtf8("na\xC3\xAFve");
        QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBFhi") << QStringLiteral("hi");
        QTest::newRow("utf-16le mark") << QByteArray("\xFF\xFEh\0i\0", 6) << QStringLiteral("hi");
        QTest::newRow("utf-16be mark") << QByteArray("\xFE\xFF\0h\0i", 6) << QStringLiteral("hi");
        QTest::newRow("chinese 8-bit") << QByteArray("\xD6\xD0\xCE\xC4 ok") << QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87 ok");
        QTest::newRow("western 8-bit") << QByteArray("caf\xE9 au lait") << QString::fromUtf8("caf\xC3\xA9 au lait");
        QTest::newRow("bytes no table knows") << QByteArray("a\x81") << QString::fromLatin1("a\x81");
        QTest::newRow("empty") << QByteArray() << QString();
    }

    void plainTextEncodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextDocumentFile::decode(bytes), text);
        const QString path = m_dir.filePath(QStringLiteral("in.txt"));
        QVERIFY(writeBytes(path, bytes));
        QString read;
        QVERIFY(TextDocumentFile::read(path, &read));
        QCOMPARE(read, text);
    }

    void plainTextWriting()
    {
        const QString path = m_dir.filePath(QStringLiteral("out.txt"));
        const QString text = QString::fromUtf8("Line one\n\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80\n");
        QVERIFY(TextDocumentFile::write(path, text));
        QCOMPARE(fileBytes(path), text.toUtf8()); // no byte-order mark
        QVERIFY(TextDocumentFile::write(path, QStringLiteral("short")));
        QCOMPARE(fileBytes(path), QByteArray("short")); // truncated, not overlaid

        QString read;
        QVERIFY(!TextDocumentFile::read(m_dir.filePath(QStringLiteral("missing.txt")), &read));
        QVERIFY(!TextDocumentFile::write(m_dir.filePath(QStringLiteral("no/such/folder/x.txt")), text));
        QVERIFY(!TextDocumentFile::write(m_dir.path(), text)); // a folder
    }

    void zipRoundTrip()
    {
        QByteArray large(1 << 20, Qt::Uninitialized);
        for (int i = 0; i < large.size(); ++i)
            large[i] = char(QRandomGenerator::global()->bounded(4) + 'a');
        ZipWriter writer;
        writer.add(QStringLiteral("empty"), QByteArray());
        writer.add(QStringLiteral("dir/large.bin"), large);
        writer.add(QString::fromUtf8("n\xC3\xA4me.txt"), "x");
        const QByteArray archive = writer.finish();

        ZipReader reader(archive);
        QByteArray content("untouched");
        QVERIFY(reader.read(QStringLiteral("empty"), &content));
        QCOMPARE(content, QByteArray());
        QVERIFY(reader.read(QStringLiteral("dir/large.bin"), &content));
        QCOMPARE(content, large);
        QVERIFY(reader.read(QString::fromUtf8("n\xC3\xA4me.txt"), &content));
        QCOMPARE(content, QByteArray("x"));
        QVERIFY(!reader.contains(QStringLiteral("other")));
        // A member larger than the caller allows is not inflated.
        QVERIFY(!reader.read(QStringLiteral("dir/large.bin"), &content, 1000));
    }

    // Every cut of an archive and random damage: false or the right bytes.
    void zipDamage()
    {
        ZipWriter writer;
        writer.add(QStringLiteral("a.xml"), QByteArray(300, 'a') + "tail");
        const QByteArray archive = writer.finish();
        for (int cut = 0; cut < archive.size(); ++cut) {
            QByteArray out;
            QVERIFY(!ZipReader(archive.left(cut)).read(QStringLiteral("a.xml"), &out));
        }
        // A flipped byte in the compressed data fails the checksum or the inflate.
        QByteArray damaged = archive;
        damaged[40] = char(damaged[40] ^ 0x55);
        QByteArray out;
        QVERIFY(!ZipReader(damaged).read(QStringLiteral("a.xml"), &out));

        auto *random = QRandomGenerator::global();
        for (int round = 0; round < 20000; ++round) {
            QByteArray mutated = archive;
            const int flips = 1 + random->bounded(6);
            for (int i = 0; i < flips; ++i)
                mutated[random->bounded(int(mutated.size()))] = char(random->bounded(256));
            QByteArray content;
            if (ZipReader(mutated).read(QStringLiteral("a.xml"), &content, 1 << 20))
                QVERIFY(content.size() <= (1 << 20));
        }
    }

    void docxFromAnotherWriter()
    {
        const QString path = QStringLiteral(QUILLET_SOURCE_DIR "/tests/documents/data/other-writer.docx");
        QString text;
        QVERIFY(DocxDocument::readText(path, &text));
        QCOMPARE(text, OtherWriterText);
    }

    void docxRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("plain") << QStringLiteral("One.\nTwo.") << QStringLiteral("One.\nTwo.");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("blank lines and spaces") << QStringLiteral("  lead\n\n\ntrail  ") << QStringLiteral("  lead\n\n\ntrail  ");
        QTest::newRow("tabs") << QStringLiteral("\ta\t\tb\t") << QStringLiteral("\ta\t\tb\t");
        QTest::newRow("markup characters") << QStringLiteral("<b> & \"q\" 'a'") << QStringLiteral("<b> & \"q\" 'a'");
        QTest::newRow("windows line ends") << QStringLiteral("a\r\nb\rc") << QStringLiteral("a\nb\nc");
        QTest::newRow("control characters") << QStringLiteral("a\x01\x1F" "b") << QStringLiteral("ab");
        QTest::newRow("beyond the basic plane") << QString::fromUtf8("\xF0\x9F\x98\x80 \xE4\xB8\xAD")
                                                << QString::fromUtf8("\xF0\x9F\x98\x80 \xE4\xB8\xAD");
    }

    void docxRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, readBack);
        const QString path = m_dir.filePath(QStringLiteral("round.docx"));
        QVERIFY(DocxDocument::writeText(path, text));
        QString read = QStringLiteral("untouched");
        QVERIFY(DocxDocument::readText(path, &read));
        QCOMPARE(read, readBack);
    }

    void docxDamaged()
    {
        QString text = QStringLiteral("untouched");
        QVERIFY(!DocxDocument::textFromDocumentXml("<w:document xmlns:w=\"x\"><w:body><w:p>", &text));
        QVERIFY(!DocxDocument::textFromDocumentXml("not xml at all", &text));
        QCOMPARE(text, QStringLiteral("untouched"));
        // A package without its main part.
        ZipWriter writer;
        writer.add(QStringLiteral("other.xml"), "<a/>");
        QVERIFY(!DocxDocument::textFromPackage(writer.finish(), &text));
        QVERIFY(!DocxDocument::readText(m_dir.filePath(QStringLiteral("missing.docx")), &text));
    }

    void bridgeChoosesByContent()
    {
        // A .docx saved under another name is still read as one.
        const QString disguised = m_dir.filePath(QStringLiteral("report.txt.bak"));
        QVERIFY(DocxDocument::writeText(disguised, QStringLiteral("inside")));
        QString text;
        QVERIFY(WordProcessorBridge::read(disguised, &text));
        QCOMPARE(text, QStringLiteral("inside"));
        // Plain text under a word-processor name is not a document it can read.
        const QString fake = m_dir.filePath(QStringLiteral("fake.doc"));
        QVERIFY(writeBytes(fake, "just text"));
        QVERIFY(!WordProcessorBridge::read(fake, &text));
        QVERIFY(!WordProcessorBridge::read(m_dir.filePath(QStringLiteral("missing.docx")), &text));
        // The name decides what is written.
        const QString written = m_dir.filePath(QStringLiteral("essay.DOCX"));
        QVERIFY(WordProcessorBridge::write(written, QStringLiteral("x")));
        QVERIFY(ZipReader::looksLikeZip(fileBytes(written).left(4)));
    }

    void olderDocumentsThroughConverters()
    {
        QTemporaryDir tools;
        QVERIFY(tools.isValid());
        const QString doc = m_dir.filePath(QStringLiteral("old.doc"));
        QVERIFY(writeBytes(doc, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0')));
        const QString existing = m_dir.filePath(QStringLiteral("keep.doc"));
        QVERIFY(writeBytes(existing, "old bytes"));

        // No converter installed: both directions fail, nothing is touched.
        LegacyDocConverter::setSearchPaths({tools.path()});
        QString text = QStringLiteral("untouched");
        QVERIFY(!WordProcessorBridge::read(doc, &text));
        QVERIFY(!WordProcessorBridge::write(existing, QStringLiteral("new")));
        QCOMPARE(fileBytes(existing), QByteArray("old bytes"));

        // Converters that answer: the reader's output is the text, the
        // writer's file replaces the document.
        QVERIFY(writeScript(tools.filePath(QStringLiteral("antiword")),
                            "printf 'First paragraph.\\n\\nSecond \\303\\251.\\n\\n'\n"));
        QVERIFY(writeScript(tools.filePath(QStringLiteral("soffice")),
                            "for last; do :; done\n"
                            "while [ $# -gt 0 ]; do [ \"$1\" = --outdir ] && out=$2; shift; done\n"
                            "printf 'converted' > \"$out/document.doc\"\n"));
        QVERIFY(WordProcessorBridge::read(doc, &text));
        QCOMPARE(text, QString::fromUtf8("First paragraph.\n\nSecond \xC3\xA9."));
        QVERIFY(WordProcessorBridge::write(existing, QStringLiteral("new")));
        QCOMPARE(fileBytes(existing), QByteArray("converted"));

        // Converters that fail leave the document as it was.
        QVERIFY(writeScript(tools.filePath(QStringLiteral("antiword")), "echo damaged >&2; exit 1\n"));
        QVERIFY(writeScript(tools.filePath(QStringLiteral("soffice")), "exit 1\n"));
        text = QStringLiteral("untouched");
        QVERIFY(!WordProcessorBridge::read(doc, &text));
        QCOMPARE(text, QStringLiteral("untouched"));
        QVERIFY(!WordProcessorBridge::write(existing, QStringLiteral("newer")));
        QCOMPARE(fileBytes(existing), QByteArray("converted"));
    }

    void naming()
    {
        QCOMPARE(DocumentNaming::saveFilters(),
                 QStringList({"Text document(*.txt)", "Word document(*.docx)", "Word 97-2003 document(*.doc)"}));
        QCOMPARE(DocumentNaming::filterIndex(QStringLiteral("Text document(*.txt)")), QStringLiteral("0"));
        QCOMPARE(DocumentNaming::filterIndex(QStringLiteral("Word document(*.docx)")), QStringLiteral("1"));
        QCOMPARE(DocumentNaming::filterIndex(QStringLiteral("Word 97-2003 document(*.doc)")), QStringLiteral("2"));
        QCOMPARE(DocumentNaming::preselectedFilter(QStringLiteral("1")), 1);
        QCOMPARE(DocumentNaming::preselectedFilter(QStringLiteral("2")), 2);
        QCOMPARE(DocumentNaming::preselectedFilter(QStringLiteral("3")), 0);
        QCOMPARE(DocumentNaming::preselectedFilter(QString()), 0);
        QCOMPARE(DocumentNaming::pathWithExtension(QStringLiteral("/d/essay"), QStringLiteral("1")),
                 QStringLiteral("/d/essay.docx"));
        QCOMPARE(DocumentNaming::pathWithExtension(QStringLiteral("/d/essay.TXT"), QStringLiteral("1")),
                 QStringLiteral("/d/essay.TXT"));
        QCOMPARE(DocumentNaming::pathWithExtension(QStringLiteral("/d/notes.md"), QStringLiteral("2")),
                 QStringLiteral("/d/notes.md.doc"));
        QCOMPARE(DocumentNaming::pathWithExtension(QStringLiteral("/d/essay"), QStringLiteral("0")),
                 QStringLiteral("/d/essay.txt"));
        QVERIFY(DocumentNaming::isPlainText(QStringLiteral("/d/REPORT.TXT")));
        QVERIFY(!DocumentNaming::isPlainText(QStringLiteral("/d/report.txt.bak")));
        QCOMPARE(DocumentNaming::proposedSaveName(QDateTime(QDate(2014, 1, 1), QTime(9, 30, 0))),
                 QStringLiteral("Quillet_20140101093000.txt"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentFormats)
#include "tst_documentformats.moc"
