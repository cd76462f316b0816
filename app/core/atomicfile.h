#ifndef ATOMICFILE_H
#define ATOMICFILE_H

#include <QByteArray>
#include <QString>

// Replaces a file's whole content through a temporary file and a rename:
// readers see either the old or the new bytes, never a truncated file.
namespace AtomicFile {

bool write(const QString &path, const QByteArray &bytes);

} // namespace AtomicFile

#endif
