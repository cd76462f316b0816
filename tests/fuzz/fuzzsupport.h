#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

// Shared by the fuzz targets: each defines LLVMFuzzerTestOneInput(), which
// libFuzzer drives in the fuzzing build and replaymain.cpp drives over the
// stored inputs in the ordinary build.

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace Fuzz {

// Some readers use Qt classes that want an application object.
inline void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// A broken invariant is a finding like a crash: stop with a message, so
// libFuzzer keeps the input and the replay fails.
inline void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace Fuzz

#endif
