#include "plug_dir.h"

#include "reader_answers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace VirtualReader::PlugDir {

namespace {

QByteArray hex(const QByteArray &codes)
{
    return codes.toHex();
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

int byteValue(const QByteArray &text, int base, int fallback)
{
    bool ok = false;
    const int value = text.toInt(&ok, base);
    return ok && value >= 0 && value <= 255 ? value : fallback;
}

struct Follower
{
    std::mutex mutex;
    QString dir;
    QSet<int> plugged;
    QHash<int, ReaderFile> files;  // as read at plug-in, with the write frames counted since
    QString loaderDir;

    void sync(bool first);
    void restartFromLoader();
};

Follower &follower()
{
    // Never destroyed: a thread of the program may still write to a reader at exit.
    static Follower *const instance = new Follower;
    return *instance;
}

void Follower::sync(bool first)
{
    QSet<int> now;
    for (int number : scan(dir, QStringLiteral("hid")))
        now.insert(number);
    for (int number = 1; number <= Model::MaxReaders; ++number) {
        Model *model = Model::reader(number);
        if (!model)
            continue;
        const bool was = plugged.contains(number);
        const bool is = now.contains(number);
        if (is && !was) {
            QFile file(filePath(dir, QStringLiteral("hid"), number));
            const ReaderFile content = parse(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
            // Only what a file said is taken back when another file comes: a fault the
            // environment set stays.
            const bool failedBefore = files.value(number).failWrites;
            files.insert(number, content);
            model->powerUp(content.stored);
            if (!content.serialNumber.isEmpty())
                model->setSerialNumber(content.serialNumber);
            if (content.failWrites || failedBefore) {
                Faults faults = model->faults();
                faults.failAllWrites = content.failWrites;
                model->setFaults(faults);
            }
            model->plugIn();
        } else if (!is && (was || first)) {
            model->pullOut();
        }
    }
    plugged = now;
}

// Readers in their loader whose writer is done start up from what it left them.
void Follower::restartFromLoader()
{
    if (loaderDir.isEmpty())
        return;
    for (int number : scan(loaderDir, QStringLiteral("restart"))) {
        Model *model = Model::reader(number);
        if (!model || !model->inIspMode())
            continue;
        const QString path = filePath(loaderDir, QStringLiteral("restart"), number);
        QFile file(path);
        const ReaderFile content = parse(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        QFile::remove(path);
        QFile::remove(filePath(loaderDir, QStringLiteral("loader"), number));
        model->powerUp(content.stored);
        if (!content.serialNumber.isEmpty())
            model->setSerialNumber(content.serialNumber);
        if (!dir.isEmpty() && plugged.contains(number)) {
            ReaderFile &kept = files[number];
            kept.stored = content.stored;
            kept.writeFrames = content.writeFrames;  // counted from what the writer left
            kept.serialNumber = content.serialNumber.isEmpty() ? kept.serialNumber : content.serialNumber;
            replaceIfPresent(filePath(dir, QStringLiteral("hid"), number), format(kept));
        }
    }
}

}  // namespace

ReaderFile parse(const QByteArray &text)
{
    ReaderFile file;
    Model::Stored &stored = file.stored;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        const int equals = line.indexOf('=');
        if (line.startsWith('#') || equals <= 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (key == "interface")
            stored.interface = value == "serial" ? Interface::Serial : Interface::UsbKeyboard;
        else if (key == "version")
            stored.version = value.left(8).leftJustified(8, '\0');
        else if (key == "options")
            stored.saved.options = quint8(byteValue(value, 16, stored.saved.options));
        else if (key == "outputStart")
            stored.saved.outputStart = quint8(byteValue(value, 10, stored.saved.outputStart));
        else if (key == "outputLength")
            stored.saved.outputLength = quint8(byteValue(value, 10, stored.saved.outputLength));
        else if (key == "kbCountry")
            stored.saved.kbCountry = quint8(byteValue(value, 10, stored.saved.kbCountry));
        else if (key == "pre")
            stored.saved.pre = QByteArray::fromHex(value);
        else if (key == "post")
            stored.saved.post = QByteArray::fromHex(value);
        else if (key == "remove")
            stored.saved.remove = QByteArray::fromHex(value);
        else if (key == "otherPre")
            stored.savedOther.pre = QByteArray::fromHex(value);
        else if (key == "otherPost")
            stored.savedOther.post = QByteArray::fromHex(value);
        else if (key == "otherRemove")
            stored.savedOther.remove = QByteArray::fromHex(value);
        else if (key == "failWrites")
            file.failWrites = value == "1";
        else if (key == "writeFrames")
            file.writeFrames = qMax(0, value.toInt());
        else if (key == "port")
            file.port = QString::fromLocal8Bit(value);
        else if (key == "serialNumber")
            file.serialNumber = QString::fromUtf8(value);
        else if (key == "usbPort")
            file.usbPort = QString::fromUtf8(value);
        else if (key == "loader")
            file.loader = value == "1";
    }
    Answers::clampAffixes(stored.saved);
    Answers::clampAffixes(stored.savedOther);
    return file;
}

QByteArray format(const ReaderFile &file)
{
    const Model::Stored &stored = file.stored;
    const Settings &saved = stored.saved;
    QByteArray version = stored.version;
    const int nul = version.indexOf('\0');
    if (nul >= 0)
        version.truncate(nul);
    QByteArray text;
    text += "interface=" + QByteArray(stored.interface == Interface::Serial ? "serial" : "usb") + '\n';
    text += "version=" + version + '\n';
    text += "options=" + QByteArray::number(saved.options, 16) + '\n';
    text += "outputStart=" + QByteArray::number(saved.outputStart) + '\n';
    text += "outputLength=" + QByteArray::number(saved.outputLength) + '\n';
    text += "kbCountry=" + QByteArray::number(saved.kbCountry) + '\n';
    text += "pre=" + hex(saved.pre) + '\n';
    text += "post=" + hex(saved.post) + '\n';
    text += "remove=" + hex(saved.remove) + '\n';
    text += "otherPre=" + hex(stored.savedOther.pre) + '\n';
    text += "otherPost=" + hex(stored.savedOther.post) + '\n';
    text += "otherRemove=" + hex(stored.savedOther.remove) + '\n';
    text += "failWrites=" + QByteArray(file.failWrites ? "1" : "0") + '\n';
    text += "writeFrames=" + QByteArray::number(file.writeFrames) + '\n';
    if (!file.port.isEmpty())
        text += "port=" + file.port.toLocal8Bit() + '\n';
    if (!file.serialNumber.isEmpty())
        text += "serialNumber=" + file.serialNumber.toUtf8() + '\n';
    if (!file.usbPort.isEmpty())
        text += "usbPort=" + file.usbPort.toUtf8() + '\n';
    if (file.loader)
        text += "loader=1\n";
    return text;
}

QString filePath(const QString &dir, const QString &kind, int number)
{
    return dir + QLatin1Char('/') + kind + QLatin1Char('-') + QString::number(number);
}

QList<int> scan(const QString &dir, const QString &kind)
{
    const QRegularExpression name(QStringLiteral("^%1-([1-9][0-9]?)$").arg(kind));
    QList<int> numbers;
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        const QRegularExpressionMatch match = name.match(entry);
        const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (number >= 1 && number <= Model::MaxReaders)
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool replaceIfPresent(const QString &path, const QByteArray &content)
{
    const QFileInfo info(path);
    QByteArray scratch = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName())
        + ".XXXXXX";
    const int fd = ::mkstemp(scratch.data());
    if (fd < 0)
        return false;
    struct stat before {};
    if (::stat(QFile::encodeName(path).constData(), &before) == 0)
        ::fchmod(fd, before.st_mode & 07777);  // mkstemp's 0600 would lock other users out
    const bool written = writeAll(fd, content);
    ::close(fd);
    if (!written) {
        ::unlink(scratch.constData());
        return false;
    }
    // Exchanging the two names fails when the file is gone, and readers never see it half
    // written; the scratch name then holds the old content.
    const QByteArray target = QFile::encodeName(path);
    bool replaced = ::renameat2(AT_FDCWD, scratch.constData(), AT_FDCWD, target.constData(),
                                RENAME_EXCHANGE) == 0;
    if (!replaced && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without the exchange: write in place, still never creating the file.
        const int out = ::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        replaced = out >= 0 && writeAll(out, content);
        if (out >= 0)
            ::close(out);
    }
    ::unlink(scratch.constData());
    return replaced;
}

bool isWriteFrame(const QByteArray &frame)
{
    return frame.size() >= 4 && frame.startsWith("\x1B\x42") && !Answers::isSerialRead(frame);
}

void followUsbHid(const QString &dir)
{
    Follower &f = follower();
    std::lock_guard<std::mutex> lock(f.mutex);
    f.dir = dir;
    f.plugged.clear();
    f.files.clear();
    if (dir.isEmpty())
        return;
    Model::setCount(Model::MaxReaders);
    f.sync(true);
}

QString usbHidDirectory()
{
    Follower &f = follower();
    std::lock_guard<std::mutex> lock(f.mutex);
    return f.dir;
}

void syncUsbHid()
{
    Follower &f = follower();
    std::lock_guard<std::mutex> lock(f.mutex);
    if (!f.dir.isEmpty())
        f.sync(false);
    f.restartFromLoader();
}

void setLoaderDirectory(const QString &dir)
{
    Follower &f = follower();
    std::lock_guard<std::mutex> lock(f.mutex);
    f.loaderDir = dir;
    qputenv("KEYLON2_VIRTUAL_LOADER_DIR", QFile::encodeName(dir));
}

QString loaderDirectory()
{
    Follower &f = follower();
    std::lock_guard<std::mutex> lock(f.mutex);
    return f.loaderDir;
}

void noteLoader(const Model &model)
{
    const QString dir = loaderDirectory();
    if (dir.isEmpty() || !model.inIspMode() || !QDir().mkpath(dir))
        return;
    ReaderFile file;
    file.stored = model.stored();
    file.serialNumber = model.serialNumber();
    file.loader = true;
    // Written beside and renamed, so that the writer never reads it half written.
    const QString path = filePath(dir, QStringLiteral("loader"), model.number());
    QFile scratch(path + QStringLiteral(".new"));
    if (scratch.open(QIODevice::WriteOnly | QIODevice::Truncate) && scratch.write(format(file)) >= 0) {
        scratch.close();
        ::rename(QFile::encodeName(scratch.fileName()).constData(), QFile::encodeName(path).constData());
    }
}

void checkUsbHidReader(int number)
{
    Follower &f = follower();
    std::lock_guard<std::mutex> lock(f.mutex);
    if (f.dir.isEmpty() || !f.plugged.contains(number))
        return;
    if (!QFileInfo::exists(filePath(f.dir, QStringLiteral("hid"), number)))
        f.sync(false);
}

bool usbHidNodeClosed(int number)
{
    const QString dir = usbHidDirectory();
    struct stat node {};
    return !dir.isEmpty()
        && ::stat(QFile::encodeName(filePath(dir, QStringLiteral("hid"), number)).constData(), &node) == 0
        && (node.st_mode & 0777) == 0;
}

void noteUsbHidWrite(const Model &model, const QByteArray &frame)
{
    if (!isWriteFrame(frame))
        return;
    const int number = model.number();
    Follower &f = follower();
    std::lock_guard<std::mutex> lock(f.mutex);
    if (f.dir.isEmpty() || !f.plugged.contains(number))
        return;
    ReaderFile &file = f.files[number];
    ++file.writeFrames;
    file.stored = model.stored();
    replaceIfPresent(filePath(f.dir, QStringLiteral("hid"), number), format(file));
}

namespace {

// The port each serial reader's file named when it was last read, by file: a file that is gone
// names nothing any more, and a watcher still needs to know which reader went.
struct PortsSeen
{
    std::mutex mutex;
    QHash<QString, QString> byFile;
};

PortsSeen &portsSeen()
{
    static PortsSeen instance;
    return instance;
}

}  // namespace

QList<SerialPort> serialPorts(const QString &dir)
{
    QList<SerialPort> ports;
    for (int number : scan(dir, QStringLiteral("serial"))) {
        const QString path = filePath(dir, QStringLiteral("serial"), number);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const ReaderFile content = parse(file.readAll());
        if (!content.port.isEmpty() && QFileInfo::exists(content.port)) {
            ports.append({number, content.port, content.serialNumber, content.usbPort});
            std::lock_guard<std::mutex> lock(portsSeen().mutex);
            portsSeen().byFile.insert(path, content.port);
        }
    }
    return ports;
}

QString nodeOfFile(const QString &dir, const QString &name)
{
    const QString kind = name.section(QLatin1Char('-'), 0, 0);
    bool isNumber = false;
    const int number = name.section(QLatin1Char('-'), 1).toInt(&isNumber);
    if (!isNumber || number < 1)
        return QString();
    if (kind == QLatin1String("hid"))
        return QStringLiteral("/dev/virtual-hidraw%1").arg(number);
    if (kind != QLatin1String("serial"))
        return QString();
    std::lock_guard<std::mutex> lock(portsSeen().mutex);
    return portsSeen().byFile.value(filePath(dir, kind, number));
}

}  // namespace VirtualReader::PlugDir
