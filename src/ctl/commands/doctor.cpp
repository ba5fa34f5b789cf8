#include "ctl/commands/doctor.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

#include "core/link/access_check.h"
#include "core/link/reader_list.h"
#include "core/link/reader_lock.h"
#include "ctl/fleet/devices.h"
#include "ctl/output/document.h"
#include "ctl/table/handlers.h"
#include "ctl/output/io.h"
#include "ctl/table/ctl_text.h"
#include "ctl/table/exit_codes.h"
#include "ctl/table/invocation.h"

namespace Ctl {

namespace {

using AccessDoctor::Check;

// A USB HID reader is opened and closed again: only the open tells whether this user may
// have it (a node may be out of sight, as in a container). hidapi is only ever handed a node
// it listed. A serial port is judged from its node: opening one changes its control lines.
AccessDoctor::Reader doctorReader(const ReaderList::Reader &listed)
{
    AccessDoctor::Reader reader;
    reader.device = listed.device();
    reader.transport = listed.transport;
    reader.node = listed.path;
    reader.serialNumber = listed.serialNumber;
    reader.portPath = listed.portPath;
    if (const std::optional<ReaderLock::Holder> holder = ReaderLock::holderOf(listed.lockNode())) {
        reader.held = true;
        reader.holderPid = holder->pid;
        reader.holderCommand = holder->command;
        reader.lockFile = ReaderLock::lockFile(listed.lockNode());
    }
    if (!listed.transport->doctorOpens)
        return reader;
    const LinkOpening tried = listed.transport->open(listed.path, false);
    reader.openError = tried.error.reason;
    reader.open = tried.transport ? AccessDoctor::Reader::Open::Opened
        : tried.error.failure == OpenFailure::Denied ? AccessDoctor::Reader::Open::Refused
                                                     : AccessDoctor::Reader::Open::Failed;
    return reader;
}

// The status word as a person reads it, padded so that the texts line up in every language.
QString statusWord(AccessDoctor::Status status)
{
    const auto word = [](AccessDoctor::Status of) {
        switch (of) {
        //: doctor's status column; the three words are padded to the longest
        case AccessDoctor::Status::Ok: return CtlText::tr("ok");
        case AccessDoctor::Status::Warning: return CtlText::tr("warning");
        case AccessDoctor::Status::Problem: break;
        }
        return CtlText::tr("problem");
    };
    int width = 8;
    for (const AccessDoctor::Status of : {AccessDoctor::Status::Ok, AccessDoctor::Status::Warning, AccessDoctor::Status::Problem})
        width = std::max(width, int(word(of).size()));
    return word(status).leftJustified(width + 1);
}

QString checkLine(const Check &check, const QString &subject)
{
    const QString text = subject + check.text.human();
    if (check.advice.isEmpty())
        return statusWord(check.status) + text;
    //: %1 what doctor found, %2 what to do about it
    return statusWord(check.status) + CtlText::tr("%1. Fix: %2").arg(text, check.advice.human());
}

QJsonArray checksJson(const QList<Check> &checks)
{
    QJsonArray array;
    for (const Check &check : checks) {
        QJsonObject object{{"check", check.name},
                           {"status", AccessDoctor::statusName(check.status)},
                           {"text", check.text.english()}};
        if (!check.advice.isEmpty())
            object.insert("advice", check.advice.english());
        array.append(object);
    }
    return array;
}

}  // namespace

int doctorCommand(const Invocation &invocation, Io &io)
{
    return doctor(invocation.json, io, AccessDoctor::Environment::current());
}

int doctor(bool json, Io &io, const AccessDoctor::Environment &environment)
{
    QList<AccessDoctor::Reader> readers;
    for (const ReaderList::Reader &listed : ReaderList::attached())
        readers.append(doctorReader(listed));
    AccessDoctor::Report report = AccessDoctor::examine(environment, readers);
    const QString lockProblem = ReaderLock::directoryProblem();
    if (!lockProblem.isEmpty()) {
        report.checks.append({QStringLiteral("locks"), AccessDoctor::Status::Warning,
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                                  "%1: only a reader's node is locked, and a reader whose node cannot be opened has no "
                                  "lock"))
                                  .arg(lockProblem),
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                                  "a service needs ReadWritePaths=%1; elsewhere make the directory, writable by every "
                                  "user and sticky (mode 1777)"))
                                  .arg(ReaderLock::directory())});
    }

    const bool refused = std::any_of(report.readers.cbegin(), report.readers.cend(),
                                     [](const AccessDoctor::ReaderReport &entry) { return !entry.canOpen; });
    const int exitCode = refused ? PermissionDenied : readers.isEmpty() ? NoReader : Success;
    const Message noReader = noReaderFound();

    if (json) {
        QJsonArray entries;
        for (const AccessDoctor::ReaderReport &entry : report.readers) {
            QJsonObject object{{"device", entry.reader.device},
                               {"transport", entry.reader.transport->word},
                               {"serialNumber", entry.reader.serialNumber},
                               {"portPath", entry.reader.portPath},
                               {"ok", entry.canOpen},
                               {"node", entry.reader.node},
                               {"access", AccessDoctor::grantName(entry.access.grant)},
                               {"checks", checksJson(entry.checks)}};
            if (!entry.canOpen) {
                object.insert("error", entry.error.english());
                insertError(object, entry.error);
            }
            if (entry.reader.held) {
                QJsonObject holder{{"lockFile", entry.reader.lockFile}};
                if (entry.reader.holderPid > 0)
                    holder.insert("pid", entry.reader.holderPid);
                if (!entry.reader.holderCommand.isEmpty())
                    holder.insert("command", entry.reader.holderCommand);
                object.insert("heldBy", holder);
            }
            entries.append(object);
        }
        QJsonObject document = Ctl::document(QStringLiteral("doctor"), exitCode, readers.isEmpty() ? noReader : Message());
        document.insert("checks", checksJson(report.checks));
        document.insert("readers", entries);
        printDocument(document, io);
    } else {
        for (const Check &check : report.checks)
            io.out << checkLine(check, QString()) << '\n';
        for (const AccessDoctor::ReaderReport &entry : report.readers) {
            for (const Check &check : entry.checks)
                io.out << checkLine(check, entry.reader.device + QStringLiteral(": ")) << '\n';
        }
    }
    io.out.flush();

    if (readers.isEmpty())
        io.err << noReader.human() << Qt::endl;
    for (const AccessDoctor::ReaderReport &entry : report.readers) {
        if (!entry.canOpen)
            io.err << entry.reader.device << ": " << entry.error.human() << Qt::endl;
    }
    return exitCode;
}

}  // namespace Ctl
