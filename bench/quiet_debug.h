#pragma once

#include <QtGlobal>

#include <cstdio>

// The program's debug lines (one per frame and per chunk) would only slow the figures down;
// warnings and worse still reach standard error.
inline void quietDebugLines()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}
