#include "vocabularydata.h"
#include "vocabularyformat.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Forms = QList<QPair<QString, QStringList>>;
using Levels = QList<QPair<QString, qint32>>;

class TestVocabulary : public QObject
{
    Q_OBJECT

private:
    static void writeFile(const QString &path, const std::function<void(QDataStream &)> &write)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QDataStream stream(&file);
        VocabularyFormat::prepare(stream);
        write(stream);
    }

    static void writeVoc(const QString &dir, const Forms &forms, const QStringList &excluded)
    {
        writeFile(dir + QStringLiteral("/voc.dat"), [&](QDataStream &s) {
            VocabularyFormat::writeForms(s, forms);
            VocabularyFormat::writeStringList(s, excluded);
        });
    }

    static void writeLevels(const QString &path, const Levels &levels)
    {
        writeFile(path, [&](QDataStream &s) { VocabularyFormat::writeLevels(s, levels); });
    }

private slots:
    void fileBytes()
    {
        // A level table with one entry, and a forms table with one entry and
        // a null string, laid out as the data files are.
        QByteArray bytes;
        {
            QDataStream s(&bytes, QIODevice::WriteOnly);
            VocabularyFormat::prepare(s);
            VocabularyFormat::writeLevels(s, {{QStringLiteral("ab"), 7}});
            VocabularyFormat::writeForms(s, {{QStringLiteral("x"), {QString(), QStringLiteral("y")}}});
        }
        QCOMPARE(bytes.toHex(), QByteArray("00000001" "00000004" "00610062" "00000007"
                                           "00000001" "00000002" "0078"
                                           "00000002" "ffffffff" "00000002" "0079"));
    }

    void lookUps()
    {
        QTemporaryDir dir;
        writeVoc(dir.path(),
                 {{QStringLiteral("went"), {QStringLiteral("go")}},
                  {QStringLiteral("better"), {QStringLiteral("nolevel"), QStringLiteral("good"),
                                              QStringLiteral("well")}},
                  {QStringLiteral("known"), {QStringLiteral("know")}},
                  {QStringLiteral("seven"), {QStringLiteral("go")}}},
                 {QStringLiteral("The"), QStringLiteral("of")});
        writeLevels(dir.filePath(QStringLiteral("cden.dat")),
                    {{QStringLiteral("go"), 6}, {QStringLiteral("good"), 9}, {QStringLiteral("well"), 7},
                     {QStringLiteral("seven"), 7}, {QStringLiteral("nolevel"), -1},
                     {QStringLiteral("know"), -1},
                     // a repeated key: the entry read last wins
                     {QStringLiteral("twice"), 8}, {QStringLiteral("twice"), 10}});

        VocabularyData data(QStringLiteral("en"), dir.path());
        QCOMPARE(data.levelOf(QStringLiteral("seven")), 7);     // own level beats forms
        QCOMPARE(data.levelOf(QStringLiteral("went")), 6);
        QCOMPARE(data.levelOf(QStringLiteral("better")), 9);    // first form without a level
        QCOMPARE(data.levelOf(QStringLiteral("known")), -1);    // only form has no level
        QCOMPARE(data.levelOf(QStringLiteral("nolevel")), -1);
        QCOMPARE(data.levelOf(QStringLiteral("absent")), -1);
        QCOMPARE(data.levelOf(QStringLiteral("Go")), -1);       // levels are case-sensitive
        QCOMPARE(data.levelOf(QStringLiteral("twice")), 10);

        QVERIFY(data.isExcluded(QStringLiteral("The")));
        QVERIFY(data.isExcluded(QStringLiteral("the")));
        QVERIFY(data.isExcluded(QStringLiteral("THE")));
        QVERIFY(data.isExcluded(QStringLiteral("OF")));
        QVERIFY(!data.isExcluded(QStringLiteral("then")));
    }

    void languageChoosesLevelFile()
    {
        QTemporaryDir dir;
        writeVoc(dir.path(), {}, {});
        writeLevels(dir.filePath(QStringLiteral("cden.dat")), {{QStringLiteral("word"), 8}});
        writeLevels(dir.filePath(QStringLiteral("cdzh-CN.dat")), {{QStringLiteral("word"), 2}});

        QCOMPARE(VocabularyData(QStringLiteral("zh-CN"), dir.path()).levelOf(QStringLiteral("word")), 2);
        QCOMPARE(VocabularyData(QStringLiteral("en"), dir.path()).levelOf(QStringLiteral("word")), 8);
        QCOMPARE(VocabularyData(QStringLiteral("ja"), dir.path()).levelOf(QStringLiteral("word")), 8);
        QCOMPARE(VocabularyData(QStringLiteral("zh"), dir.path()).levelOf(QStringLiteral("word")), 8);
    }

    void missingAndDamagedFiles()
    {
        QTemporaryDir dir;
        VocabularyData none(QStringLiteral("en"), dir.path());
        QCOMPARE(none.levelOf(QStringLiteral("go")), -1);
        QVERIFY(!none.isExcluded(QStringLiteral("the")));

        // A level table cut in the middle of its last pair is dropped whole.
        QByteArray bytes;
        {
            QDataStream s(&bytes, QIODevice::WriteOnly);
            VocabularyFormat::prepare(s);
            VocabularyFormat::writeLevels(s, {{QStringLiteral("go"), 6}, {QStringLiteral("run"), 7}});
        }
        QFile cut(dir.filePath(QStringLiteral("cden.dat")));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(bytes.left(bytes.size() - 2));
        cut.close();
        QCOMPARE(VocabularyData(QStringLiteral("en"), dir.path()).levelCount(), 0);

        // The exclusion list stops at the end of the file and keeps what it read.
        QByteArray voc;
        {
            QDataStream s(&voc, QIODevice::WriteOnly);
            VocabularyFormat::prepare(s);
            VocabularyFormat::writeForms(s, {});
            s << quint32(5) << QStringLiteral("a") << QStringLiteral("the");
        }
        QFile short_(dir.filePath(QStringLiteral("voc.dat")));
        QVERIFY(short_.open(QIODevice::WriteOnly));
        short_.write(voc);
        short_.close();
        VocabularyData partial(QStringLiteral("en"), dir.path());
        QCOMPARE(partial.excludedCount(), 2);
        QVERIFY(partial.isExcluded(QStringLiteral("A")));

        // Random bytes give empty tables, not a crash or a huge allocation.
        QFile junk(dir.filePath(QStringLiteral("cdzh-CN.dat")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray("\x7f\xff\xff\xff\x00\x00\x00\x10garbage", 15));
        junk.close();
        QCOMPARE(VocabularyData(QStringLiteral("zh-CN"), dir.path()).levelCount(), 0);
    }

    void builtDataFiles()
    {
        const QString bin = QStringLiteral(QUILLET_BINARY_DIR "/bin");
        VocabularyData en(QStringLiteral("en"), bin);
        QVERIFY(en.levelCount() > 8000);
        QVERIFY(en.formCount() > 30000);
        QCOMPARE(en.levelOf(QStringLiteral("abandon")), int(VocabularyData::B1));
        QCOMPARE(en.levelOf(QStringLiteral("went")), int(VocabularyData::A1));      // form of "go"
        QCOMPARE(en.levelOf(QStringLiteral("abandoned")), int(VocabularyData::B2)); // own entry
        QCOMPARE(en.levelOf(QStringLiteral("AM")), int(VocabularyData::A1));        // a.m./A.M./am/AM
        QCOMPARE(en.levelOf(QStringLiteral("exterior")), int(VocabularyData::C1));
        QCOMPARE(en.levelOf(QStringLiteral("Zyzzogeton")), -1);
        QVERIFY(en.isExcluded(QStringLiteral("The")));
        QVERIFY(en.isExcluded(QStringLiteral("MR")));
        QVERIFY(!en.isExcluded(QStringLiteral("house")));

        VocabularyData zh(QStringLiteral("zh-CN"), bin);
        QCOMPARE(zh.levelOf(QStringLiteral("abandon")), int(VocabularyData::Base));
        QCOMPARE(zh.levelOf(QStringLiteral("accessory")), int(VocabularyData::Cet4));
        QCOMPARE(zh.levelOf(QStringLiteral("abundance")), int(VocabularyData::Cet6));
        QCOMPARE(zh.levelOf(QStringLiteral("abash")), int(VocabularyData::Gre));
        QCOMPARE(zh.levelOf(QStringLiteral("towards")), zh.levelOf(QStringLiteral("toward")));
        for (const QString &word : {QStringLiteral("go"), QStringLiteral("house"), QStringLiteral("abash")})
            QVERIFY(zh.levelOf(word) != int(VocabularyData::Ielts));
    }
};

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
