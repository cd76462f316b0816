// Writes the settings file or the crash copy over and over, each version
// numbered, and prints the number of every version it finished. The
// kill tests end it with SIGKILL at a random moment and read what is left.
//   killwriter settings|copy <folder>
#include "configfile.h"
#include "crashrecoverycopy.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    ConfigFile store(folder, QStringLiteral("preference.ini"));
    store.setOwnerOnly(true);
    for (int n = 1;; ++n) {
        const QString number = QString::number(n);
        // Large enough that a write takes a while.
        const QString payload = QString(512 * 1024, QChar(u'a' + n % 26));
        bool ok;
        if (mode == QLatin1String("settings")) {
            store.setValue(QStringLiteral("trial"), number);
            store.setValue(QStringLiteral("payload"), payload);
            store.setValue(QStringLiteral("trial_end"), number);
            ok = store.save();
        } else {
            ok = CrashRecoveryCopy::writeFile(QDir(folder).filePath(QStringLiteral("backup.ini")),
                                              QStringLiteral("begin ") + number + QLatin1Char('\n') + payload
                                                  + QStringLiteral("\nend ") + number);
        }
        if (!ok)
            return 1;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
