#include "ctl/table/handlers.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>

#include "core/session/reader_session.h"
#include "core/settings/config_mapping.h"
#include "core/settings/page_record.h"
#include "core/settings/settings_table.h"
#include "ctl/fleet/devices.h"
#include "ctl/fleet/fleet.h"
#include "ctl/fleet/jobs.h"
#include "ctl/output/document.h"
#include "ctl/output/io.h"
#include "ctl/output/reader_outcome.h"
#include "ctl/table/ctl_text.h"
#include "ctl/table/exit_codes.h"
#include "ctl/table/invocation.h"
#include "ctl/table/shell_completion.h"

namespace Ctl {

namespace {

constexpr int QuietMs = 100;

QString hex4(quint16 id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

// The page as the window's Export writes it, through the same mapping; without KBCountry when
// the reader did not tell it.
QByteArray configText(const ConfigPage &page, bool withCountry)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reader.cfg"));
    ConfigFile::write(path, page, nullptr, withCountry);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject configJson(const ConfigPage &page, bool withCountry)
{
    QJsonObject settings{{"Ver", page.firmwareVersion}};
    for (const Settings::Setting &setting : Settings::all()) {
        if (withCountry || !setting.usbOnly)
            settings.insert(QLatin1String(setting.key), QJsonValue::fromVariant(setting.exported(page)));
    }
    return settings;
}

// The one reader a command is for: 0, or the exit code of a choice that could not be made.
int oneReader(const Invocation &invocation, Io &io, ReaderList::Reader &reader)
{
    const Selection selection = select(invocation.devices, false);
    if (selection.exitCode != Success)
        return fail(invocation, io, selection.exitCode, {selection.error});
    reader = selection.readers.first();
    return Success;
}

// The document of a command on one reader, with that reader's entry.
int finishOne(const Invocation &invocation, Io &io, const ReaderList::Reader &reader, int exitCode,
              const Message &error, QJsonObject entry = QJsonObject())
{
    if (!error.isEmpty())
        io.err << error.human() << Qt::endl;
    if (!invocation.json)
        return exitCode;
    const QJsonObject identity = identityJson(reader);
    for (auto field = identity.begin(); field != identity.end(); ++field)
        entry.insert(field.key(), field.value());
    entry.insert("ok", error.isEmpty());
    insertError(entry, error);
    QJsonObject document = Ctl::document(invocation.commandWord, exitCode, error);
    document.insert("readers", QJsonArray{entry});
    printDocument(document, io);
    return exitCode;
}

// The reader's lock for a command on one reader, and its link opened: 0, or the exit code of a
// reader that is busy, has no lock to be had or did not open. Going on without a lock (--no-lock)
// is said on standard error; so is `progress` on a terminal, between the lock and the open.
int openOne(const Invocation &invocation, Io &io, const ReaderList::Reader &reader, Locked &locked,
            const QString &progress = QString())
{
    locked = lockReader(reader, invocation.waitMs(), io.stop, invocation.withoutLock());
    Opened opened = locked;
    if (opened.exitCode == Success) {
        if (!locked.warning.isEmpty())
            io.err << locked.warning.human() << Qt::endl;
        if (!progress.isEmpty() && io.progress && !invocation.json)
            io.err << reader.device() << ": " << progress << Qt::endl;
        opened = connect(*locked.reader);
    }
    if (opened.exitCode != Success)
        return finishOne(invocation, io, reader, opened.exitCode, readerLine(reader, opened.error, opened.namesReader));
    return Success;
}

}  // namespace

int listCommand(const Invocation &invocation, Io &io)
{
    const QList<ReaderList::Reader> readers = ReaderList::attached();
    const int exitCode = readers.isEmpty() ? NoReader : Success;
    QJsonObject document = Ctl::document(QStringLiteral("list"), exitCode, readers.isEmpty() ? noReaderFound() : Message());
    QJsonArray entries;
    for (const ReaderList::Reader &reader : readers) {
        if (invocation.json) {
            QJsonObject entry = identityJson(reader);
            entry.insert("ok", true);
            entry.insert("path", reader.path);
            entry.insert("vendorId", hex4(reader.vendorId));
            entry.insert("productId", hex4(reader.productId));
            entry.insert(reader.transport->labelKey, reader.label);
            entries.append(entry);
        } else {
            io.out << resultLine(reader, QStringLiteral("%1:%2  %3").arg(hex4(reader.vendorId), hex4(reader.productId), reader.label))
                   << '\n';
        }
    }
    io.out.flush();
    // One line each on standard error, and in the document.
    QJsonArray warnings;
    for (const Message &warning : identityWarnings(readers)) {
        io.err << CtlText::tr("warning: %1").arg(warning.human()) << Qt::endl;
        warnings.append(warning.english());
    }
    if (!warnings.isEmpty())
        document.insert("warnings", warnings);
    if (readers.isEmpty())
        io.err << noReaderFound().human() << Qt::endl;
    if (invocation.json) {
        document.insert("readers", entries);
        printDocument(document, io);
    }
    return exitCode;
}

int readCommand(const Invocation &invocation, Io &io)
{
    ReaderList::Reader reader;
    if (const int refused = oneReader(invocation, io, reader))
        return refused;
    Locked locked;
    if (const int refused = openOne(invocation, io, reader, locked, readingWord()))
        return refused;
    const ReaderSession::SettingsRead read = locked.reader->readSettings();
    if (!read.result.ok())
        return finishOne(invocation, io, reader, ReaderFailed, readerLine(reader, sessionFailure(read.result)));
    const ConfigPage page =
        PageRecord::pageOfRecord(read.record, locked.reader->interfaceValue() == Dialects::SerialInterface.value);

    // The serial interface does not tell its keyboard country; a country the window's list
    // lacks cannot be written back either.
    const bool withCountry = read.hasCountry && page.kbCountry >= 0;
    const int exitCode = stopRequested(io) ? stoppedExitCode(io) : Success;
    if (invocation.json) {
        const QJsonObject entry{{"firmware", page.firmwareVersion}, {"settings", configJson(page, withCountry)}};
        return finishOne(invocation, io, reader, exitCode, Message(), entry);
    }
    if (invocation.value(QStringLiteral("format")) == QLatin1String("json"))
        io.out << QJsonDocument(configJson(page, withCountry)).toJson(QJsonDocument::Indented);
    else
        io.out << QString::fromUtf8(configText(page, withCountry));
    io.out.flush();
    return exitCode;
}

int monitorCommand(const Invocation &invocation, Io &io)
{
    ReaderList::Reader reader;
    if (const int refused = oneReader(invocation, io, reader))
        return refused;
    // Only a reader whose key reads come over its link has anything to show.
    if (!reader.transport->dialect.reader.keyReadsOnLink) {
        return finishOne(invocation, io, reader, UsageError,
                         readerLine(reader, Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                             "a reader on USB HID types its key ID codes as keystrokes; monitor needs a serial reader"))
                                                .coded(Code::WrongInterface)));
    }
    Locked locked;
    if (const int refused = openOne(invocation, io, reader, locked))
        return refused;
    Transport &line = locked.reader->transport();

    QJsonArray codes;
    QByteArray code;
    QByteArray chunk;
    const auto flush = [&] {
        if (code.isEmpty())
            return;
        if (invocation.json)
            codes.append(QString::fromUtf8(code));
        else
            io.out << QString::fromUtf8(code) << Qt::endl;
        code.clear();
    };
    int exitCode = Success;
    Message error;
    while (!stopRequested(io)) {
        const int received = line.receive(chunk, QuietMs);
        if (received < 0) {
            exitCode = ReaderFailed;
            error = readerLine(reader, Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the serial line is gone"))
                                           .coded(Code::LineGone));
            break;
        }
        // The reader sends each read in one burst, ended by its postamble when it has one
        // (usually a carriage return): a line end or a quiet line ends the code.
        if (received == 0)
            flush();
        for (char byte : chunk) {
            if (byte == '\r' || byte == '\n')
                flush();
            else if (byte != '\0')
                code.append(byte);
        }
    }
    flush();
    // An interrupt is how monitor is meant to end.
    return finishOne(invocation, io, reader, exitCode, error, QJsonObject{{"codes", codes}});
}

int completionCommand(const Invocation &invocation, Io &io)
{
    const QString shell = invocation.arguments.first();
    if (shell == QLatin1String("bash")) {
        io.out << bashCompletion();
    } else if (shell == QLatin1String("zsh")) {
        io.out << zshCompletion();
    } else {
        for (const QString &name : deviceNames(ReaderList::attached()))
            io.out << name << '\n';
    }
    io.out.flush();
    return Success;
}

}  // namespace Ctl
