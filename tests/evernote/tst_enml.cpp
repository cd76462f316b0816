#include "enml.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace GammaLib;

class TestEnml : public QObject
{
    Q_OBJECT

private:
    static QString body(const QString &enml)
    {
        const QString head = Enml::header();
        if (!enml.startsWith(head) || !enml.endsWith(QLatin1String("</en-note>")))
            return QStringLiteral("<no frame>");
        return enml.mid(head.size(), enml.size() - head.size() - 10);
    }
    static bool wellFormed(const QString &xml)
    {
        QXmlStreamReader reader(xml);
        while (!reader.atEnd())
            reader.readNext();
        return !reader.hasError();
    }

private slots:
    void header()
    {
        QCOMPARE(Enml::header(), QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                                                "<!DOCTYPE en-note SYSTEM \"http://xml.evernote.com/pub/enml2.dtd\">"
                                                "<en-note>"));
    }

    void fromPlainText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two lines") << "First line.\nSecond line." << "First line.<br />Second line.";
        QTest::newRow("trimmed, no trailing break") << "  \n Hello.\n\n  " << "Hello.";
        QTest::newRow("empty line kept inside") << "a\n\nb" << "a<br /><br />b";
        QTest::newRow("CR LF, CR, paragraph separators") << QString("a\r\nb\rc") + QChar(0x2029) + "d" + QChar(0x2028) + "e"
                                                         << "a<br />b<br />c<br />d<br />e";
        QTest::newRow("markup characters escaped") << "Tom & Jerry <3 a>b" << "Tom &amp; Jerry &lt;3 a&gt;b";
        QTest::newRow("characters XML cannot carry") << QString("a") + QChar(0x01) + "b" + QChar(0x0B) + "c" + QChar(0xFFFF)
                                                     << "abc";
        QTest::newRow("non-ASCII kept") << QString::fromUtf8("caf\xc3\xa9 \xe4\xb8\xad \xf0\x9f\x98\x80") << QString::fromUtf8("caf\xc3\xa9 \xe4\xb8\xad \xf0\x9f\x98\x80");
        QTest::newRow("empty") << "" << "";
    }

    void fromPlainText()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString enml = Enml::fromPlainText(text);
        QCOMPARE(body(enml), expected);
        QVERIFY(wellFormed(enml));
    }

    void toPlainText_data()
    {
        QTest::addColumn<QString>("enml");
        QTest::addColumn<QString>("expected");
        const QString head = Enml::header();
        QTest::newRow("our own note") << head + "First.<br />Second.<br /><br />Third.</en-note>" << "First.\nSecond.\n\nThird.";
        QTest::newRow("divs") << head + "<div>One</div><div><br/></div><div>Two <b>bold</b></div></en-note>" << "One\n\nTwo bold";
        QTest::newRow("nested blocks, no doubled lines") << head + "<div><div><p>a</p></div></div><ul><li>b</li><li>c</li></ul></en-note>"
                                                         << "a\nb\nc";
        QTest::newRow("white space collapses") << head + "\n  <div>\n   many\n   spaces  here\n  </div>\n</en-note>" << "many spaces here";
        QTest::newRow("pre keeps white space") << head + "<pre>a  b\n  c</pre></en-note>" << "a  b\n  c";
        QTest::newRow("escaped markup") << head + "Tom &amp; Jerry &lt;3&gt; &#233;&#x4E2D;</en-note>" << QString::fromUtf8("Tom & Jerry <3> \xc3\xa9\xe4\xb8\xad");
        QTest::newRow("named references of the DTD") << head + "a&nbsp;b&mdash;c&hellip;</en-note>" << QString("a b") + QChar(0x2014) + "c" + QChar(0x2026);
        QTest::newRow("media and encrypted text left out")
            << head + "<div>x<en-media type=\"image/png\" hash=\"00\"/>y</div><en-crypt hint=\"h\">QUJD</en-crypt></en-note>" << "xy";
        QTest::newRow("no declaration") << "<en-note><div>plain</div></en-note>" << "plain";
        QTest::newRow("not well-formed: bare ampersand") << head + "Tom & Jerry<br />next</en-note>" << "Tom & Jerry\nnext";
        QTest::newRow("not well-formed: unclosed tags") << head + "<div>one<div>two</en-note>" << "one\ntwo";
        QTest::newRow("empty") << QString() << QString();
    }

    void toPlainText()
    {
        QFETCH(QString, enml);
        QFETCH(QString, expected);
        QCOMPARE(Enml::toPlainText(enml), expected);
    }

    // Nested entity declarations must not blow up into gigabytes of text.
    void entityExpansionIsBounded()
    {
        QString bomb = QStringLiteral("<?xml version=\"1.0\"?><!DOCTYPE en-note [<!ENTITY a0 \"xxxxxxxxxx\">");
        for (int i = 1; i < 10; ++i)
            bomb += QStringLiteral("<!ENTITY a%1 \"&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;\">").arg(i).arg(i - 1);
        bomb += QStringLiteral("]><en-note>&a9;</en-note>");
        QVERIFY(Enml::toPlainText(bomb).size() < 1000000);
    }

    void roundTrip()
    {
        const QString text = QString::fromUtf8("Dear <Sir> & Madam,\nI write \"quotes\" and 'apostrophes'.\n\nBye \xe2\x82\xac");
        QCOMPARE(Enml::toPlainText(Enml::fromPlainText(text)), text);
    }
};

QTEST_GUILESS_MAIN(TestEnml)
#include "tst_enml.moc"
