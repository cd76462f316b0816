#ifndef USERCORRECTIONRECORD_H
#define USERCORRECTIONRECORD_H

#include <QByteArray>
#include <QList>
#include <QString>

namespace GammaLib {

// What the user did with one flagged word: the candidate chosen (-1 when the
// mark was dismissed) among those offered.
struct UserCorrectionRecord
{
    QString sentence;
    QString word;
    int wordIdx = 0;
    int wordLength = 0;
    QString correctionList;
    int choose = -1;
    int type = 0;

    bool operator==(const UserCorrectionRecord &other) const
    {
        return sentence == other.sentence && word == other.word && wordIdx == other.wordIdx
               && wordLength == other.wordLength && correctionList == other.correctionList
               && choose == other.choose && type == other.type;
    }
    bool operator!=(const UserCorrectionRecord &other) const { return !(*this == other); }
};

// One compact JSON array, one object per record with a member named after
// each field (the JSON library writes them in name order), as UTF-8.
QByteArray correctionRecordsJson(const QList<UserCorrectionRecord> &records);

} // namespace GammaLib

#endif
