// A second program for the recovery tests: a store of its own on the folder given, driven by one
// command a line on standard input, one answer a line on standard output.
//   write PATH   writes a copy of the shared project for the file PATH  -> "written COPY" | "failed"
//   list         lists the stale copies and leaves them                 -> "stale N"
//   remove       removes its copy                                       -> "removed"
// At the end of the input it ends as a program does, its copy left as it is.

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/recoverystore.h"
#include "tests/platform/recoveryfixture.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    sw::RecoveryStore store(QString::fromLocal8Bit(argv[1]));
    const sw::Document project = sw::testing::recoveryProject();
    std::string line;
    while (std::getline(std::cin, line)) {
        std::string answer;
        if (line.starts_with("write ")) {
            const bool written = store.writeCopy(project, QString::fromStdString(line.substr(6)));
            answer = written ? "written " + store.copyPath().toStdString() : "failed";
        } else if (line == "list") {
            const QList<sw::RecoveryCopy> stale = store.claimStaleCopies();
            for (const sw::RecoveryCopy& copy : stale)
                store.releaseCopy(copy);
            answer = "stale " + std::to_string(stale.size());
        } else if (line == "remove") {
            store.removeCopy();
            answer = "removed";
        } else {
            answer = "unknown";
        }
        std::cout << answer << std::endl;
    }
    return 0;
}
