#ifndef URLESCAPE_H
#define URLESCAPE_H

#include <QByteArray>

namespace GammaLib {

// Escapes the characters that cannot stand in a query value of an
// explanation address: % space < > # { } | \ ^ ~ [ ] ` ; / ? : @ = & $ become
// "%XX" (upper-case hex). Every other byte, non-ASCII included, is kept.
QByteArray urlEscape(const QByteArray &text);

} // namespace GammaLib

#endif
