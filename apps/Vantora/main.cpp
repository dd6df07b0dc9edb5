// SPDX-License-Identifier: MIT
// The launcher: starts the main program beside it with the same command line and does not
// wait for it.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString program =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Program"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (!QProcess::startDetached(program, args)) {
        std::fprintf(stderr, "Vantora: cannot start %s\n", program.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
