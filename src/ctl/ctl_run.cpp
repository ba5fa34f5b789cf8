#include "ctl.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "config/config_check.h"
#include "config/config_mapping.h"
#include "config/page_record.h"
#include "ctl_commands.h"
#include "ctl_device.h"
#include "ctl_doctor.h"
#include "ctl_jobs.h"
#include "link/reader_list.h"
#include "platform/platform.h"
#include "protocol/frames.h"
#include "protocol/settings_frames.h"

namespace Ctl {

namespace {

QString hex4(quint16 id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

int list(bool json, Io &io)
{
    const QList<ReaderList::Reader> readers = ReaderList::attached();
    if (json) {
        QJsonArray array;
        for (const ReaderList::Reader &reader : readers) {
            QJsonObject object{{"device", reader.device()},
                               {"transport", reader.kind == Transport::Kind::UsbHid ? "hid" : "serial"},
                               {"path", reader.path},
                               {"vendorId", hex4(reader.vendorId)},
                               {"productId", hex4(reader.productId)}};
            if (reader.kind == Transport::Kind::UsbHid) {
                object.insert("serialNumber", reader.serialNumber);
                object.insert("product", reader.product);
            } else {
                object.insert("description", reader.description);
            }
            array.append(object);
        }
        io.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    } else {
        for (const ReaderList::Reader &reader : readers) {
            const QString about = reader.kind == Transport::Kind::UsbHid
                ? QStringLiteral("serial number %1, %2").arg(reader.serialNumber, reader.product)
                : reader.description;
            io.out << reader.device() << "  " << hex4(reader.vendorId) << ':' << hex4(reader.productId)
                   << "  " << about << '\n';
        }
    }
    io.out.flush();
    if (!readers.isEmpty())
        return Success;
    io.err << "no reader found" << Qt::endl;
    return NoReader;
}

// The page as the window's Export writes it, through the same mapping.
QByteArray configText(const ConfigPage &page)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reader.cfg"));
    ConfigFile::write(path, page);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject configJson(const ConfigPage &page)
{
    return QJsonObject{
        {"Ver", page.firmwareVersion},
        {"Interface", page.interfaceSerial ? 1 : 0},
        {"PreEnable", page.preEnable ? 1 : 0},
        {"Pre", page.pre},
        {"PostEnable", page.postEnable ? 1 : 0},
        {"Post", page.post},
        {"RemoveEnable", page.removeEnable ? 1 : 0},
        {"Remove", page.remove},
        {"RemoveIDCode", page.removeIdCode ? 1 : 0},
        {"AutoReport", page.autoReport ? 1 : 0},
        {"Buzzer", page.buzzer ? 1 : 0},
        {"OutputStart", ConfigFile::outputNumber(page.outputStart)},
        {"OutputLength", ConfigFile::outputNumber(page.outputLength)},
        {"KBCountry", page.kbCountry},
    };
}

int read(const ReaderList::Reader &reader, const QString &format, Io &io)
{
    if (io.progress)
        io.err << reader.device() << ": reading" << Qt::endl;
    const ReadJob job = readReader(reader);
    if (job.result.exitCode != Success) {
        io.err << job.result.message << Qt::endl;
        return job.result.exitCode;
    }
    if (format == QLatin1String("json"))
        io.out << QJsonDocument(configJson(job.page)).toJson(QJsonDocument::Indented);
    else
        io.out << QString::fromUtf8(configText(job.page));
    io.out.flush();
    return Success;
}

int write(const QString &file, const QList<ReaderList::Reader> &readers, bool verify, int jobs, Io &io)
{
    const SettingsRecord record = PageRecord::recordOfPage(ConfigFile::read(file));
    const auto overlong = SettingsWrite::overlongAffixes(record);
    if (!overlong.isEmpty()) {
        io.err << SettingsWrite::overlongAffixText(overlong) << Qt::endl;
        return UsageError;
    }

    if (io.progress) {
        for (const ReaderList::Reader &reader : readers)
            io.err << reader.device() << ": writing" << Qt::endl;
    }
    const QList<JobResult> results = forEachReader(
        readers, jobs, [&](const ReaderList::Reader &reader) { return writeReader(reader, record, verify); });

    int exitCode = Success;
    QStringList failedDevices;
    for (int i = 0; i < results.size(); ++i) {
        const JobResult &result = results.at(i);
        if (result.exitCode == Success) {
            io.out << result.message << '\n';
            continue;
        }
        io.err << result.message << Qt::endl;
        failedDevices << readers.at(i).device();
        // One reader the user may not open says more than the failure of another. A reader
        // that is gone when its turn comes, among others that were found, is one that failed.
        if (exitCode == Success || result.exitCode == PermissionDenied)
            exitCode = result.exitCode == NoReader && readers.size() > 1 ? ReaderFailed : result.exitCode;
    }
    if (readers.size() > 1) {
        io.out << QStringLiteral("%1 readers: %2 done, %3 failed").arg(readers.size()).arg(readers.size() - failedDevices.size()).arg(failedDevices.size());
        if (!failedDevices.isEmpty())
            io.out << " (" << failedDevices.join(QStringLiteral(", ")) << ')';
        io.out << '\n';
    }
    io.out.flush();
    return exitCode;
}

}  // namespace

int run(const QStringList &arguments, Io &io)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(helpText());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("list, read, write, set-interface, monitor, firmware-update or doctor"));
    const QCommandLineOption device(QStringLiteral("device"), QStringLiteral("The reader: hid:PATH or serial:PORT."),
                                    QStringLiteral("DEVICE"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("list, doctor: as JSON."));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("read: cfg (default) or json."),
                                    QStringLiteral("FORMAT"), QStringLiteral("cfg"));
    const QCommandLineOption all(QStringLiteral("all"), QStringLiteral("write: every attached reader."));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"), QStringLiteral("write: do not read back."));
    const QCommandLineOption jobs(QStringLiteral("jobs"), QStringLiteral("write --all: readers at once (default: all)."),
                                  QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption verbose(QStringLiteral("verbose"), QStringLiteral("Show the protocol's debug lines."));
    parser.addOptions({device, json, format, all, noVerify, jobs, verbose});

    if (!parser.parse(arguments)) {
        io.err << parser.errorText() << Qt::endl;
        return UsageError;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        io.out << parser.helpText() << exitCodeText();
        io.out.flush();
        return Success;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        io.out << "keylon2ctl " << KEYLON2_VERSION << '\n';
        io.out.flush();
        return Success;
    }

    QStringList words = parser.positionalArguments();
    const QString command = words.isEmpty() ? QString() : words.takeFirst();
    const auto usage = [&](const QString &text) {
        io.err << text << Qt::endl;
        return int(UsageError);
    };
    bool jobsOk = false;
    const int jobCount = parser.value(jobs).toInt(&jobsOk);
    // Unset, every reader at once; set, at least one.
    if (!jobsOk || jobCount < (parser.isSet(jobs) ? 1 : 0))
        return usage(QStringLiteral("--jobs wants a number of readers"));

    if (command == QLatin1String("list")) {
        if (!words.isEmpty())
            return usage(QStringLiteral("list takes no arguments"));
        return list(parser.isSet(json), io);
    }

    if (command == QLatin1String("doctor")) {
        if (!words.isEmpty() || parser.isSet(device) || parser.isSet(all))
            return usage(QStringLiteral("doctor looks at every attached reader and takes no arguments"));
        return doctor(parser.isSet(json), io);
    }

    // The other commands name at most one reader, as --device or as their last word.
    QString deviceName = parser.value(device);
    const int readerWords = command == QLatin1String("write") || command == QLatin1String("set-interface") ? 1 : 0;
    if (words.size() == readerWords + 1 && deviceName.isEmpty())
        deviceName = words.takeLast();
    if (words.size() != readerWords) {
        return command.isEmpty() ? usage(QStringLiteral("no command given; see --help"))
                                 : usage(QStringLiteral("%1: wrong number of arguments; see --help").arg(command));
    }
    const bool writeAll = parser.isSet(all);
    if (writeAll && command != QLatin1String("write"))
        return usage(QStringLiteral("--all is for write only"));

    if (command == QLatin1String("read")) {
        const QString wanted = parser.value(format);
        if (wanted != QLatin1String("cfg") && wanted != QLatin1String("json"))
            return usage(QStringLiteral("--format wants cfg or json"));
    } else if (command == QLatin1String("write")) {
        // A file that the window's Import would refuse is refused before a reader is looked for.
        const QString problem = ConfigFile::problem(words.first());
        if (!problem.isEmpty())
            return usage(problem + QStringLiteral(" Nothing was sent."));
    } else if (command == QLatin1String("set-interface")) {
        if (words.first() != QLatin1String("usb") && words.first() != QLatin1String("serial"))
            return usage(QStringLiteral("set-interface wants usb or serial"));
    } else if (command != QLatin1String("monitor") && command != QLatin1String("firmware-update")) {
        return usage(QStringLiteral("unknown command \"%1\"; see --help").arg(command));
    }

    const Selection selection = select(deviceName, writeAll);
    if (selection.exitCode != Success) {
        io.err << selection.error << Qt::endl;
        return selection.exitCode;
    }
    if (command == QLatin1String("read"))
        return read(selection.readers.first(), parser.value(format), io);
    if (command == QLatin1String("write"))
        return write(words.first(), selection.readers, !parser.isSet(noVerify), jobCount, io);
    if (command == QLatin1String("set-interface"))
        return setInterface(selection.readers.first(), words.first() == QLatin1String("serial"), io);
    if (command == QLatin1String("monitor"))
        return monitor(selection.readers.first(), io);
    return firmwareUpdate(selection.readers.first(), io);
}

}  // namespace Ctl
