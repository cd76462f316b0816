#ifndef PARAGRAPHGENERATOR_H
#define PARAGRAPHGENERATOR_H

#include "splittertables.h"

#include <QString>
#include <QStringList>

#include <random>

// Seeded generator of paragraphs that stress the sentence splitter: the
// tables' own patterns (also mangled), web and e-mail addresses, domain names,
// emoticons, decimals, quotes and brackets, Chinese text and marks, characters
// GBK cannot represent, GBK characters whose second byte looks like ASCII, and
// random text.
class ParagraphGenerator
{
public:
    explicit ParagraphGenerator(unsigned seed) : m_random(seed) {}

    QString paragraph(int maxFragments = 14)
    {
        QString text;
        const int fragments = 1 + below(maxFragments);
        for (int k = 0; k < fragments; ++k) {
            text += fragment();
            text += separator();
        }
        if (chance(30))
            text.chop(qMin<qsizetype>(text.size(), below(3)));
        return text;
    }

    // A run of text of about the given number of words, as one paragraph.
    QString words(int count, bool adversarial)
    {
        QString text;
        int made = 0;
        while (made < count) {
            if (adversarial) {
                switch (below(4)) {
                case 0: text += url(); break;
                case 1: text += abbreviation(); break;
                case 2: text += email(); break;
                default: text += domain(); break;
                }
            } else {
                text += word();
                if (chance(6))
                    text += abbreviation();
                if (chance(2))
                    text += url();
                if (chance(10))
                    text += pick({u","_qs, u"."_qs, u"?"_qs, u"!"_qs, u";"_qs});
            }
            text += u' ';
            ++made;
        }
        return text;
    }

    int below(int n) { return int(m_random() % unsigned(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    QString pick(std::initializer_list<QString> options)
    {
        return *(options.begin() + below(int(options.size())));
    }
    static QString latin(const QByteArray &bytes) { return QString::fromLatin1(bytes); }

    QString fragment()
    {
        switch (below(16)) {
        case 0: return abbreviation();
        case 1: return url();
        case 2: return domain();
        case 3: return email();
        case 4: return emoticon();
        case 5: return decimal();
        case 6: return closing();
        case 7: return chinese();
        case 8: return nonGbk();
        case 9: return marks();
        case 10: return numberSign();
        case 11: return randomAscii();
        default: return word();
        }
    }

    QString separator()
    {
        switch (below(12)) {
        case 0: return QString();
        case 1: return u"  "_qs;
        case 2: return u"\t"_qs;
        case 3: return u"\n"_qs;
        default: return u" "_qs;
        }
    }

    QString word()
    {
        static const QStringList words{
            u"the"_qs, u"The"_qs, u"cat"_qs, u"sat"_qs, u"and"_qs, u"then"_qs, u"Then"_qs,
            u"it"_qs, u"He"_qs, u"she"_qs, u"left"_qs, u"A"_qs, u"i"_qs, u"I"_qs, u"x"_qs,
            u"No"_qs, u"no"_qs, u"Mars"_qs, u"John's"_qs, u"don't"_qs, u"e"_qs, u"g"_qs,
            u"http"_qs, u"com"_qs, u"org"_qs, u"Zzz"_qs, u"OK"_qs, u"ok"_qs, u"Co"_qs, u"Dr"_qs};
        QString w = words.at(below(int(words.size())));
        if (chance(10))
            w += latin(QByteArray(1, char('a' + below(26))));
        return w;
    }

    QString abbreviation()
    {
        const auto &table = GammaLib::SplitterTables::abbreviations();
        QString a = latin(table.at(below(int(table.size()))));
        switch (below(8)) {
        case 0: return latin(QByteArray(1, char('a' + below(26)))) + a; // glued to a word
        case 1: return u"'"_qs + a;
        case 2: return a + QString::number(below(10));
        case 3: return a + a;
        case 4: return a + u"\""_qs;
        default: return a;
        }
    }

    QString numberSign()
    {
        return u"No."_qs + pick({u"5"_qs, u" 5"_qs, u"  5"_qs, u"x"_qs, QString(), u" x"_qs, u"."_qs});
    }

    QString host()
    {
        QString h = pick({u"www"_qs, u"a"_qs, u"mail"_qs, u"x1"_qs, u"ex-ample"_qs, QString()});
        const int parts = below(4);
        for (int k = 0; k < parts; ++k)
            h += u'.' + pick({u"example"_qs, u"b"_qs, u"co"_qs, u"q"_qs});
        return h;
    }

    QString url()
    {
        const auto &schemes = GammaLib::SplitterTables::urlSchemes();
        const auto &endings = GammaLib::SplitterTables::domainEndings();
        QString u = latin(schemes.at(below(int(schemes.size())))) + host();
        if (chance(60))
            u += latin(endings.at(below(int(endings.size()))));
        if (chance(50))
            u += pick({u"/path/index.html"_qs, u"/q?x=1.5"_qs, u"/a!b"_qs, u"/~me"_qs, u"/"_qs,
                       u":80/x;y"_qs, u"#top"_qs, u"/%20"_qs});
        if (chance(40))
            u += pick({u"."_qs, u"?"_qs, u"!"_qs, u"?."_qs, u".?"_qs, u"..."_qs, u"),"_qs});
        return u;
    }

    QString domain()
    {
        const auto &endings = GammaLib::SplitterTables::domainEndings();
        QString d = pick({u"example"_qs, u"a.b"_qs, u"x-y_z"_qs, u"news.bbc.co"_qs, QString()})
            + latin(endings.at(below(int(endings.size()))));
        if (chance(50))
            d += pick({u"."_qs, u"x"_qs, u"1"_qs, u"pany"_qs, u"好"_qs, u"/"_qs, u"?"_qs,
                       u".com"_qs, u"!"_qs});
        return d;
    }

    QString email()
    {
        return pick({u"john.smith"_qs, u"a"_qs, u"x_y-z"_qs, QString(), u".."_qs, u"說"_qs})
            + u"@"_qs
            + pick({u"mail.example.org"_qs, u"b.c"_qs, u"c"_qs, QString(), u"."_qs, u"x..y"_qs,
                    u"@"_qs})
            + pick({QString(), u"."_qs, u".."_qs, u"?"_qs});
    }

    QString emoticon()
    {
        const auto &table = GammaLib::SplitterTables::emoticons();
        QString e = latin(table.at(below(int(table.size()))));
        if (chance(20))
            e += e.mid(1); // overlapping repeats such as "-.-.-"
        return e;
    }

    QString decimal()
    {
        return pick({u"3.5"_qs, u"3.14."_qs, u"1."_qs, u".5"_qs, u"10.0.1"_qs, u"a.5"_qs, u"5.a"_qs});
    }

    QString closing()
    {
        QString run;
        const int length = 1 + below(5);
        for (int k = 0; k < length; ++k)
            run += pick({u"\""_qs, u"'"_qs, u")"_qs, u"]"_qs, u"}"_qs, u"("_qs, u"."_qs, u"?"_qs,
                         u"!"_qs});
        return run;
    }

    QString chinese()
    {
        return pick({u"你好"_qs, u"再见"_qs, u"啊"_qs, u"模"_qs, u"說"_qs, u"這"_qs, u"學"_qs,
                     u"，"_qs, u"“"_qs, u"”"_qs, u"。"_qs, u"！"_qs, u"？"_qs, u"……"_qs,
                     u"…"_qs, u"………"_qs, u"ＡＢ"_qs, u"\u3000"_qs, u"丄"_qs});
    }

    QString nonGbk()
    {
        return pick({u"😀"_qs, u"Да"_qs, u"€"_qs, u"한국"_qs, u"سلام"_qs, u"ñ"_qs, QString(QChar(0xD83D)),
                     u"👍🏽"_qs});
    }

    QString marks()
    {
        return pick({u"."_qs, u"!"_qs, u"?"_qs, u"..."_qs, u"?!"_qs, u"."_qs, u". "_qs,
                     u".\" "_qs, u".) "_qs, u"...."_qs});
    }

    QString randomAscii()
    {
        static const char alphabet[] = "aZ09-_.?@;:%=+#~/!\"')]} (<>*^'";
        QString s;
        const int length = 1 + below(6);
        for (int k = 0; k < length; ++k)
            s += QChar(alphabet[below(int(sizeof alphabet) - 1)]);
        return s;
    }

    std::mt19937 m_random;
};

#endif // PARAGRAPHGENERATOR_H
