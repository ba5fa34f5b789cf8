#pragma once

#include <QList>
#include <QString>

#include <memory>

#include "link/reader_list.h"
#include "link/transport.h"

namespace Ctl {

// The readers a command is for: the one --device names, every attached reader with --all, or
// the only one attached. exitCode is 0 when the choice is made; otherwise error says why.
struct Selection
{
    QList<ReaderList::Reader> readers;
    int exitCode = 0;
    QString error;
};
Selection select(const QString &device, bool all);

// Opens the link to the reader in the calling thread, which then is the only one to use it.
struct Opened
{
    std::unique_ptr<Transport> transport;
    int exitCode = 0;
    QString error;
};
Opened open(const ReaderList::Reader &reader);

}  // namespace Ctl
