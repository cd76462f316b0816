#ifndef REQUESTBODY_H
#define REQUESTBODY_H

#include "ccheckrequest.h"

#include <QByteArray>

// The JSON text of a check request: compact, members in ascending byte order
// of their names, UTF-8 written as it is, one line feed at the end.
QByteArray requestJson(const CCheckRequest &request);

// The body of the check POST: requestJson() compressed with zlib's one-shot
// compress() at the default level.
QByteArray buildRequestBody(const CCheckRequest &request);

#endif
