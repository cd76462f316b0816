#ifndef ATOMICFILE_H
#define ATOMICFILE_H

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Replaces a file's whole content through a temporary file and a rename:
// readers see either the old or the new bytes, never a truncated file.
namespace AtomicFile {

// With permissions, the file gets exactly those (before any byte is
// written); without, a new file gets the usual ones and a replaced file
// keeps its own.
bool write(const QString &path, const QByteArray &bytes,
           QFileDevice::Permissions permissions = QFileDevice::Permissions());

} // namespace AtomicFile

#endif
