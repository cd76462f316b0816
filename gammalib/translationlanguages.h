#ifndef TRANSLATIONLANGUAGES_H
#define TRANSLATIONLANGUAGES_H

#include <QString>
#include <QStringList>

namespace GammaLib {

// The languages of the translation service, in the order of the panel's
// boxes: "en", "es", "zh-CN", "fr", "de", "pt", "ja". The source box has
// "Auto" before them.
class TranslationLanguages
{
public:
    static const QStringList &codes();
    // The English names, in the same order (the panel shows them translated).
    static const QStringList &names();
    // Index of the code, or -1.
    static int indexOf(const QString &code);

    // Code sent as "src": "auto" for source index 0, else codes()[index - 1];
    // empty outside the box.
    static QString sourceCode(int sourceIndex);
    // Usage event counted with a translation into the target; empty for an
    // index outside 0 to 6.
    static QString pairEvent(int targetIndex, int sourceIndex);
};

} // namespace GammaLib

#endif
