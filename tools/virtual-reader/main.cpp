// keylon2-virtual-reader: virtual readers on pseudo-terminals, for trying the serial side of the
// utility by hand and for driving several readers at once. Prints the port of each reader (one
// per line, before anything else), shows every frame a reader receives and, when asked, reads a
// made-up key now and then. With --plug-dir, readers are plugged in and pulled out by files in
// a directory (see plug_dir.h) while the program runs.
#include "plug_dir.h"
#include "virtual_sysfs.h"
#include "reader_model.h"
#include "serial_endpoint.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int)
{
    stopRequested = 1;
}

void printHelp(const char *program)
{
    std::printf(
        "Usage: %s [--count N | --plug-dir DIR] [--keys SECONDS] [--version TEXT]\n"
        "\n"
        "Starts a virtual Keylon2 reader on the serial interface behind a pseudo-terminal\n"
        "and prints the port to open in the utility (SerialNameEdit). Every frame the reader\n"
        "receives is printed in hexadecimal. Stop it with Ctrl-C.\n"
        "\n"
        "Options:\n"
        "  -n, --count N        start N readers (1 to %d), each behind a pseudo-terminal of\n"
        "                       its own; the first N lines are their ports, one per line,\n"
        "                       and with more than one reader each later line starts with\n"
        "                       the port it is about\n"
        "  -p, --plug-dir DIR   readers come and go with the files serial-N in DIR (N 1 to\n"
        "                       %d): a file that appears plugs reader N in behind a new\n"
        "                       pseudo-terminal, whose path the program writes into it\n"
        "                       (port=...); removing it pulls the reader out. The file\n"
        "                       keeps what the reader saved. Nothing is printed first;\n"
        "                       each later line starts with the file's name\n"
        "  -k, --keys SECONDS   read a key with a random ID code every SECONDS seconds\n"
        "                       (on every reader; sent with the preamble and postamble when\n"
        "                       they are enabled)\n"
        "  -v, --version TEXT   firmware version the readers report (default 1.20)\n"
        "  -h, --help           show this help and exit\n",
        program, VirtualReader::Model::MaxReaders, VirtualReader::Model::MaxReaders);
}

bool parseNumber(const char *text, long low, long high, int *number)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (!text[0] || *end || value < low || value > high)
        return false;
    *number = int(value);
    return true;
}

struct Reader
{
    VirtualReader::Model *model = nullptr;
    std::unique_ptr<VirtualReader::SerialEndpoint> endpoint;
    std::string label;      // "" with one reader, else "<port> ", or "serial-N " with --plug-dir
    int framesShown = 0;
    // With --plug-dir: whether its file is there, and what the file holds.
    bool attached = false;
    VirtualReader::PlugDir::ReaderFile file;
    QString path;
};

using VirtualReader::PlugDir::ReaderFile;

// Reader n's file appeared: it comes up from what the file keeps, on its serial interface,
// behind a new pseudo-terminal whose path goes into the file.
bool plugIn(Reader &reader)
{
    QFile file(reader.path);
    reader.file = VirtualReader::PlugDir::parse(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    reader.file.stored.interface = VirtualReader::Interface::Serial;
    reader.model->powerUp(reader.file.stored);
    VirtualReader::Faults faults = reader.model->faults();
    faults.failAllWrites = reader.file.failWrites;
    reader.model->setFaults(faults);
    reader.model->plugIn();
    if (!reader.endpoint->start())
        return false;
    reader.file.port = reader.endpoint->portPath();
    reader.file.serialNumber = reader.model->serialNumber();
    reader.file.usbPort = VirtualReader::serialReaderPortPath(reader.model->number());
    reader.attached = true;
    return true;
}

void pullOut(Reader &reader)
{
    reader.model->pullOut();
    reader.endpoint->stop();
    reader.attached = false;
}

// Follows the directory: plugs in the readers whose file appeared, pulls out those whose file
// went, and writes back what each reader keeps when a frame changed something.
void followPlugDir(std::vector<Reader> &readers, const QString &dir, const char *program)
{
    const QList<int> numbers = VirtualReader::PlugDir::scan(dir, QStringLiteral("serial"));
    for (size_t i = 0; i < readers.size(); ++i) {
        Reader &reader = readers[i];
        const bool present = numbers.contains(int(i) + 1);
        if (present && !reader.attached) {
            if (!plugIn(reader)) {
                std::fprintf(stderr, "%s: no pseudo-terminal available: %s\n", program, std::strerror(errno));
                continue;
            }
            if (VirtualReader::PlugDir::replaceIfPresent(reader.path, VirtualReader::PlugDir::format(reader.file)))
                std::printf("%splugged in: %s\n", reader.label.c_str(), qPrintable(reader.file.port));
            else
                pullOut(reader);  // gone again before it could be announced
        } else if (!present && reader.attached) {
            pullOut(reader);
            std::printf("%spulled out\n", reader.label.c_str());
        }
    }
}

std::string hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper().toStdString();
}

}  // namespace

int main(int argc, char **argv)
{
    int keySeconds = 0;
    int count = 1;
    bool countGiven = false;
    QString plugDir;
    QByteArray version = "1.20";
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(arg, "-h") || !std::strcmp(arg, "--help")) {
            printHelp(argv[0]);
            return 0;
        } else if ((!std::strcmp(arg, "-k") || !std::strcmp(arg, "--keys")) && hasValue) {
            if (!parseNumber(argv[++i], 1, 86400, &keySeconds)) {
                std::fprintf(stderr, "%s: --keys wants a number of seconds (1 to 86400)\n", argv[0]);
                return 2;
            }
        } else if ((!std::strcmp(arg, "-n") || !std::strcmp(arg, "--count")) && hasValue) {
            if (!parseNumber(argv[++i], 1, VirtualReader::Model::MaxReaders, &count)) {
                std::fprintf(stderr, "%s: --count wants a number of readers (1 to %d)\n", argv[0],
                             VirtualReader::Model::MaxReaders);
                return 2;
            }
            countGiven = true;
        } else if ((!std::strcmp(arg, "-p") || !std::strcmp(arg, "--plug-dir")) && hasValue) {
            plugDir = QString::fromLocal8Bit(argv[++i]);
            if (!QFileInfo(plugDir).isDir()) {
                std::fprintf(stderr, "%s: --plug-dir: %s is not a directory\n", argv[0], argv[i]);
                return 2;
            }
        } else if ((!std::strcmp(arg, "-v") || !std::strcmp(arg, "--version")) && hasValue) {
            version = argv[++i];
        } else {
            std::fprintf(stderr, "%s: unknown or incomplete option '%s' (try --help)\n", argv[0], arg);
            return 2;
        }
    }

    const bool plugged = !plugDir.isEmpty();
    if (plugged && countGiven) {
        std::fprintf(stderr, "%s: --count and --plug-dir exclude each other\n", argv[0]);
        return 2;
    }
    if (plugged)
        count = VirtualReader::Model::MaxReaders;
    VirtualReader::Model::setCount(count);
    std::vector<Reader> readers(static_cast<size_t>(count));
    for (int n = 1; n <= count; ++n) {
        Reader &reader = readers[size_t(n - 1)];
        reader.model = VirtualReader::Model::reader(n);
        reader.model->reset();
        reader.model->setVersion(version);
        reader.model->setInterface(VirtualReader::Interface::Serial);
        reader.model->setSerialNumber(VirtualReader::serialReaderSerialNumber(n));
        reader.endpoint.reset(new VirtualReader::SerialEndpoint(*reader.model));
        if (plugged) {
            reader.model->pullOut();
            reader.path = VirtualReader::PlugDir::filePath(plugDir, QStringLiteral("serial"), n);
            reader.label = "serial-" + std::to_string(n) + " ";
            continue;
        }
        if (!reader.endpoint->start()) {
            std::fprintf(stderr, "%s: no pseudo-terminal available: %s\n", argv[0], std::strerror(errno));
            return 1;
        }
        if (count > 1)
            reader.label = reader.endpoint->portPath().toStdString() + " ";
    }

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    for (const Reader &reader : readers) {
        if (!plugged)
            std::printf("%s\n", reader.endpoint->portPath().toLocal8Bit().constData());
    }
    std::fflush(stdout);

    std::mt19937 random(std::random_device {}());
    std::uniform_int_distribution<unsigned> idDigits(0, 0xFFFFFFFFu);
    auto nextKey = std::chrono::steady_clock::now() + std::chrono::seconds(keySeconds);

    while (!stopRequested) {
        if (plugged)
            followPlugDir(readers, plugDir, argv[0]);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const bool keyDue = keySeconds > 0 && std::chrono::steady_clock::now() >= nextKey;
        for (Reader &reader : readers) {
            const QList<QByteArray> frames = reader.model->receivedFrames();
            int writeFrames = 0;
            for (; reader.framesShown < frames.size(); ++reader.framesShown) {
                const QByteArray &frame = frames[reader.framesShown];
                std::printf("%sframe: %s\n", reader.label.c_str(), hex(frame).c_str());
                writeFrames += VirtualReader::PlugDir::isWriteFrame(frame) ? 1 : 0;
            }
            if (reader.attached && writeFrames > 0) {
                reader.file.writeFrames += writeFrames;
                reader.file.stored = reader.model->stored();
                VirtualReader::PlugDir::replaceIfPresent(reader.path, VirtualReader::PlugDir::format(reader.file));
            }
            if (!keyDue || (plugged && !reader.attached))
                continue;
            const QByteArray id = QByteArray::number(idDigits(random), 16).toUpper().rightJustified(8, '0');
            if (reader.endpoint->sendIdCode(id))
                std::printf("%skey:   %s\n", reader.label.c_str(), id.constData());
            else
                std::printf("%skey:   %s not sent (the reader is not on the serial interface)\n",
                            reader.label.c_str(), id.constData());
        }
        if (keyDue)
            nextKey += std::chrono::seconds(keySeconds);
        std::fflush(stdout);
    }

    for (Reader &reader : readers) {
        reader.endpoint->stop();
        if (reader.attached) {
            // The port goes with the program; what the reader keeps stays in its file.
            reader.file.port.clear();
            VirtualReader::PlugDir::replaceIfPresent(reader.path, VirtualReader::PlugDir::format(reader.file));
        }
    }
    std::printf("stopped\n");
    return 0;
}
