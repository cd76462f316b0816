#ifndef RESULTRECORD_H
#define RESULTRECORD_H

#include "cresultstate.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Reads one inflated answer record (JSON) into a result. On failure returns
// nothing and puts the reason into *error: "Error: Cannot deserialize into
// CResultState objects." for text that is not JSON, the JSON library's own
// message for a member of the wrong type. Absent (or null) members read as
// 0, 0.0, an empty text or an empty list.
std::optional<CResultState> parseResultRecord(const QByteArray &text, QString *error = nullptr);

#endif
