#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <atomic>

#include "ctl/ctl.h"

// keylon2ctl as the tests run it: its exit code and what it printed.
struct CtlRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// keylon2ctl's commands in this process, on this process's virtual readers; stop, when given,
// stands for the operator's interrupt.
inline CtlRun runCtlHere(const QStringList &arguments, std::atomic<bool> *stop = nullptr)
{
    CtlRun run;
    QTextStream out(&run.out), err(&run.err);
    Ctl::Io io{out, err, false, stop};
    run.exitCode = Ctl::run(QStringList{QStringLiteral("keylon2ctl")} + arguments, io);
    out.flush();
    err.flush();
    return run;
}

// A file the command is given; returns its path.
inline QString writeTestFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    return path;
}
