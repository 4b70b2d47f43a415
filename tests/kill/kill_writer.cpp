// One group save of the kill test, in a process of its own that the test kills at a random moment:
// kill_writer <program folder> <writer> <round>. It says "go" just before the save starts.

#include "core/AtomicSave.h"
#include "support/KillWriters.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    keepRunningPastFileSizeLimit();
    std::fputs("go\n", stdout);
    std::fflush(stdout);
    const QString failed = KillWriters::run(args[1], args[2], args[3].toInt());
    if (!failed.isEmpty()) {
        QTextStream(stderr) << failed << '\n';
        return 1;
    }
    return 0;
}
