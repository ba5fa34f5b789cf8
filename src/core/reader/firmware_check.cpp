#include "core/reader/firmware_check.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "core/platform/platform.h"
#include "core/reader/file_interface.h"
#include "core/settings/config_mapping.h"
#include "core/settings/page_record.h"

namespace FirmwareCheck {

namespace {

// A reader in its loader is gone from every listing; looking again this often costs nothing
// and finds it back within a moment of its return.
constexpr int LookEveryMs = 250;

bool onSerial(const ReaderList::Reader &reader)
{
    return reader.transport->dialect.reader.value == Dialects::SerialInterface.value;
}

// Who the backup's reader is, as sure as the system tells it: its serial number, else its USB
// socket, else its node.
bool sameReader(const ReaderList::Reader &before, const ReaderList::Reader &now)
{
    if (!before.serialNumber.isEmpty())
        return now.serialNumber == before.serialNumber;
    if (!before.portPath.isEmpty())
        return now.portPath == before.portPath;
    return now.device() == before.device();
}

}  // namespace

QString Backup::firmware() const
{
    return PageRecord::versionText(record.version);
}

Backup keep(const ReaderList::Reader &reader, const ReaderSession::SettingsRead &read)
{
    return Backup{identified(reader), read.record, read.hasCountry};
}

ReaderList::Reader identified(const ReaderList::Reader &reader)
{
    // A reader opened by its USB IDs knows its node alone: after its loader it may come back
    // under another, so its serial number and USB socket are what find it.
    if (reader.serialNumber.isEmpty() && reader.portPath.isEmpty()) {
        for (const ReaderList::Reader &listed : ReaderList::attached()) {
            if (listed.device() == reader.device())
                return listed;
        }
    }
    return reader;
}

bool save(const Backup &backup, const QString &path, QString *reason)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        if (reason)
            *reason = QStringLiteral("cannot make the folder %1").arg(info.absolutePath());
        return false;
    }
    // A file of that name is replaced whole: no key of it may pass for the reader's.
    QFile::remove(path);
    const ConfigPage page = PageRecord::pageOfRecord(backup.record, onSerial(backup.reader));
    if (!ConfigFile::write(path, page, reason, backup.hasCountry && page.kbCountry >= 0))
        return false;
    QSettings file(path, QSettings::IniFormat);
    ConfigFile::useUtf8(file);
    file.setValue("Reader/SerialNumber", backup.reader.serialNumber);
    file.setValue("Reader/PortPath", backup.reader.portPath);
    file.setValue("Reader/Device", backup.reader.device());
    file.sync();
    if (file.status() == QSettings::NoError)
        return true;
    if (reason)
        *reason = QStringLiteral("Input/output error");
    return false;
}

QString defaultPath(const Backup &backup, const QString &folder, const QDateTime &when)
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    state += QStringLiteral("/keylon2/firmware-backups");
    if (!folder.isEmpty())
        state = folder;
    QString name = !backup.reader.serialNumber.isEmpty() ? backup.reader.serialNumber
        : !backup.reader.portPath.isEmpty()              ? backup.reader.portPath
                                                         : QStringLiteral("reader");
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString stem = QStringLiteral("%1/%2-%3")
                             .arg(state, name, when.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    // A second update within the same second keeps the first one's backup.
    QString path = stem + QStringLiteral(".cfg");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1-%2.cfg").arg(stem).arg(n);
    return path;
}

Found awaitReturn(const ReaderList::Reader &before, int waitMs, const std::function<bool()> &stopped)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const QList<ReaderList::Reader> readers = ReaderList::attached();
        // A serial number two readers share picks neither: their USB sockets tell them apart.
        int sharing = 0;
        for (const ReaderList::Reader &reader : readers)
            sharing += !before.serialNumber.isEmpty() && reader.serialNumber == before.serialNumber;
        ReaderList::Reader identity = before;
        if (sharing > 1)
            identity.serialNumber.clear();
        for (const ReaderList::Reader &reader : readers) {
            if (sameReader(identity, reader))
                return Found{Return::Same, reader};
        }
        for (const ReaderList::Reader &reader : readers) {
            const bool where = before.portPath.isEmpty() ? reader.device() == before.device()
                                                         : reader.portPath == before.portPath;
            if (where && reader.serialNumber != before.serialNumber)
                return Found{Return::Another, reader};
        }
        if (clock.elapsed() >= waitMs || (stopped && stopped()))
            return Found{};
        Platform::sleepMs(unsigned(qMin<qint64>(LookEveryMs, qMax<qint64>(1, waitMs - clock.elapsed()))));
    }
}

Outcome outcome(const Backup &before, const SettingsRecord &after, const QString &expected)
{
    const QString now = PageRecord::versionText(after.version);
    if (!expected.isEmpty())
        return now == expected ? Outcome::Updated : Outcome::UnexpectedVersion;
    return now == before.firmware() ? Outcome::Unchanged : Outcome::Updated;
}

std::vector<const Settings::Setting *> differing(const Backup &before, const ReaderSession::SettingsRead &after)
{
    std::vector<const Settings::Setting *> settings;
    for (const Settings::Setting *setting : Settings::recordOrder()) {
        const bool carried = !setting->usbOnly || (before.hasCountry && after.hasCountry);
        if (carried && setting->differs(before.record, after.record))
            settings.push_back(setting);
    }
    return settings;
}

QStringList keys(const std::vector<const Settings::Setting *> &settings)
{
    QStringList names;
    for (const Settings::Setting *setting : settings)
        names << QLatin1String(setting->key);
    return names;
}

Written writeVerified(HeldReader &reader, const SettingsRecord &record, const std::function<bool()> &skipReadBack)
{
    Written written;
    written.result = reader.writeSettings(
        record, FileInterface::writeTarget(FileInterface::Use::LeftToSetInterface, reader.dialect()));
    if (!written.result.ok())
        return written;
    written.saved = true;
    if (skipReadBack && skipReadBack())
        return written;
    written.back = reader.readSettings();
    written.result = written.back.result;
    if (!written.result.ok())
        return written;
    const Backup wrote{reader.listed(), record, true};
    written.wrong = differing(wrote, written.back);
    return written;
}

Written restore(HeldReader &reader, const Backup &before, const ReaderSession::SettingsRead &after)
{
    Written written;
    if (!sameReader(before.reader, reader.listed())) {
        written.otherReader = true;
        return written;
    }
    written.sent = differing(before, after);
    if (written.sent.empty())
        return written;
    SettingsRecord record = after.record;
    for (const Settings::Setting *setting : written.sent)
        setting->copy(before.record, record);
    const std::vector<const Settings::Setting *> sent = written.sent;
    written = writeVerified(reader, record);
    written.sent = sent;
    return written;
}

}  // namespace FirmwareCheck
