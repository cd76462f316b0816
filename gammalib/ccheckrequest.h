#ifndef CCHECKREQUEST_H
#define CCHECKREQUEST_H

#include "clientidentity.h"

#include <QByteArray>
#include <QList>

// One document check, as sent to the checking service.
struct CCheckRequest
{
    QByteArray session;          // session key of the signed-in user, UTF-8
    QList<QByteArray> sents;     // text of every chunk, in document order, UTF-8
    QList<qint32> configs;       // per chunk: 0 sentence, 1 title, -1 already known
    QByteArray clientVersion = (GammaLib::clientCodeName() + QLatin1Char(' ')
                                + GammaLib::clientVersion()).toUtf8();
    qint32 confidence = 2;       // the user's English level
    qint32 lexsubConfidence = 2; // the same level, under its own key
};

#endif
