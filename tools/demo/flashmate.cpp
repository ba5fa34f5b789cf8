// flashmate: the stand-in firmware writer, for the demo programs and the tests (never part of
// the product). The utility runs it as `./flashmate RECONNKLN` from its working directory once
// a reader has taken the ISP frame; it finds the virtual readers waiting in their loader (the
// files loader-N of the loader directory, see tools/virtual-reader/plug_dir.h), gives each a
// newer firmware version and the factory settings, and lets it start up again.
//
// The loader directory comes from KEYLON2_VIRTUAL_LOADER_DIR, which every program linked to the
// hidapi stand-in (keylon2ctl-demo, keylon2-utility-demo) sets for the programs it starts, else
// KEYLON2_VIRTUAL_PLUG_DIR. So from flashmate's directory (build/tools/demo)
//   ../../keylon2ctl-demo firmware-update
// updates the demo's reader, and keylon2-utility-demo's FW Update button does the same when it
// runs from there.
//
//   KEYLON2_FLASHMATE_VERSION=V    the version given (default: the old one's last number plus one,
//                                  1.20 -> 1.21)
//   KEYLON2_FLASHMATE_FAULT=F[:SN,...]  a fault, for the readers with these serial numbers only
//                                  when they are named:
//       lost       the reader never comes back (it stays in its loader); flashmate ends well
//       unchanged  the reader comes back as it was: same version, same settings
//       another    another reader (serial number KLN2-9<N in five digits>) comes back where
//                  the reader was
//   KEYLON2_FLASHMATE_NODE=new     in a plug directory: the reader comes back under another
//                                  node (the first free hid-M), with its serial number
//   KEYLON2_FLASHMATE_MS=MS        how long the writing takes (default 300)
// Exit 0 when it wrote to every reader it found (a fault included), 1 when it found none.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <cstdio>

#include "plug_dir.h"

namespace {

using namespace VirtualReader;

constexpr int FindReaderMs = 3000;

QByteArray nextVersion(QByteArray version)
{
    version.truncate(version.indexOf('\0') < 0 ? version.size() : version.indexOf('\0'));
    const QRegularExpressionMatch last = QRegularExpression(QStringLiteral("(\\d+)$")).match(QString::fromLatin1(version));
    if (!last.hasMatch())
        return version + ".1";
    const QString digits = last.captured(1);
    return version.left(last.capturedStart(1))
        + QByteArray::number(digits.toInt() + 1).rightJustified(digits.size(), '0');
}

// The fault asked for this reader: empty for none.
QString faultFor(const QString &serialNumber)
{
    const QString fault = qEnvironmentVariable("KEYLON2_FLASHMATE_FAULT");
    const QString readers = fault.section(QLatin1Char(':'), 1);
    if (!readers.isEmpty() && !readers.split(QLatin1Char(',')).contains(serialNumber))
        return QString();
    return fault.section(QLatin1Char(':'), 0, 0);
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path + QStringLiteral(".new"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return false;
    file.close();
    return QFile::rename(file.fileName(), path) || (QFile::remove(path) && QFile::rename(file.fileName(), path));
}

void say(const QString &line)
{
    std::printf("flashmate: %s\n", qPrintable(line));
    std::fflush(stdout);
}

void flash(const QString &dir, int number)
{
    const QString loader = PlugDir::filePath(dir, QStringLiteral("loader"), number);
    QFile file(loader);
    PlugDir::ReaderFile reader = PlugDir::parse(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    file.close();
    const QString serial = reader.serialNumber;
    const QByteArray version = qEnvironmentVariableIsSet("KEYLON2_FLASHMATE_VERSION")
        ? qgetenv("KEYLON2_FLASHMATE_VERSION")
        : nextVersion(reader.stored.version);
    say(QStringLiteral("reader %1 in its loader, firmware %2").arg(serial, QString::fromLatin1(reader.stored.version).remove(QChar(0))));
    const int ms = qEnvironmentVariableIsSet("KEYLON2_FLASHMATE_MS") ? qEnvironmentVariableIntValue("KEYLON2_FLASHMATE_MS") : 300;
    for (int block = 0; block < 4; ++block) {
        QThread::msleep(unsigned(qMax(0, ms / 4)));
        say(QStringLiteral("block 0x%1 written, 4096 bytes, verify ok").arg(block * 0x1000, 8, 16, QLatin1Char('0')));
    }
    const QString fault = faultFor(serial);
    say(QStringLiteral("firmware %1 written").arg(QString::fromLatin1(version)));
    if (fault == QLatin1String("lost"))
        return;  // the reader stays in its loader
    reader.loader = false;
    reader.writeFrames = 0;
    if (fault != QLatin1String("unchanged")) {
        reader.stored.version = version;
        reader.stored.saved = Settings();
        reader.stored.savedOther = Settings();
    }
    if (fault == QLatin1String("another"))
        reader.serialNumber = QStringLiteral("KLN2-9%1").arg(number, 5, 10, QLatin1Char('0'));
    const QString plugFile = PlugDir::filePath(dir, QStringLiteral("hid"), number);
    if (qEnvironmentVariable("KEYLON2_FLASHMATE_NODE") == QLatin1String("new") && QFile::exists(plugFile)) {
        const QList<int> taken = PlugDir::scan(dir, QStringLiteral("hid"));
        int free = 1;
        while (taken.contains(free))
            ++free;
        writeFile(PlugDir::filePath(dir, QStringLiteral("hid"), free), PlugDir::format(reader));
        QFile::remove(plugFile);
        QFile::remove(loader);
        return;
    }
    writeFile(PlugDir::filePath(dir, QStringLiteral("restart"), number), PlugDir::format(reader));
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QString dir = qEnvironmentVariable("KEYLON2_VIRTUAL_LOADER_DIR");
    if (dir.isEmpty())
        dir = qEnvironmentVariable("KEYLON2_VIRTUAL_PLUG_DIR");
    QList<int> readers;
    QElapsedTimer clock;
    clock.start();
    // The reader may still be on its way to the loader.
    while (!dir.isEmpty() && (readers = PlugDir::scan(dir, QStringLiteral("loader"))).isEmpty()
           && clock.elapsed() < FindReaderMs)
        QThread::msleep(50);
    if (readers.isEmpty()) {
        std::fprintf(stderr, "flashmate: no reader in its loader%s\n",
                     dir.isEmpty() ? " (no KEYLON2_VIRTUAL_LOADER_DIR)" : qPrintable(QStringLiteral(" in %1").arg(dir)));
        return 1;
    }
    for (int number : readers)
        flash(dir, number);
    return 0;
}
