#ifndef INSTALLREPORT_H
#define INSTALLREPORT_H

class QTextStream;

// "quillet-main --check-install": prints where the program finds each of its
// files, one per line ("<what> <path>", or "<what> missing"), and whether
// each translation loads. Returns 0 when everything was found, 1 otherwise.
// Needs only a QCoreApplication; shows no window.
namespace InstallReport {

int print(QTextStream &out);

} // namespace InstallReport

#endif
