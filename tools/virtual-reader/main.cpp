// keylon2-virtual-reader: virtual readers on pseudo-terminals, for trying the serial side of the
// utility by hand and for driving several readers at once. Prints the port of each reader (one
// per line, before anything else), shows every frame a reader receives and, when asked, reads a
// made-up key now and then.
#include "reader_model.h"
#include "serial_endpoint.h"

#include <QByteArray>

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
        "Usage: %s [--count N] [--keys SECONDS] [--version TEXT]\n"
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
        "  -k, --keys SECONDS   read a key with a random ID code every SECONDS seconds\n"
        "                       (on every reader; sent with the preamble and postamble when\n"
        "                       they are enabled)\n"
        "  -v, --version TEXT   firmware version the readers report (default 1.20)\n"
        "  -h, --help           show this help and exit\n",
        program, VirtualReader::Model::MaxReaders);
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
    std::string label;      // "" with one reader, else "<port> "
    int framesShown = 0;
};

std::string hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper().toStdString();
}

}  // namespace

int main(int argc, char **argv)
{
    int keySeconds = 0;
    int count = 1;
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
        } else if ((!std::strcmp(arg, "-v") || !std::strcmp(arg, "--version")) && hasValue) {
            version = argv[++i];
        } else {
            std::fprintf(stderr, "%s: unknown or incomplete option '%s' (try --help)\n", argv[0], arg);
            return 2;
        }
    }

    VirtualReader::Model::setCount(count);
    std::vector<Reader> readers(static_cast<size_t>(count));
    for (int n = 1; n <= count; ++n) {
        Reader &reader = readers[size_t(n - 1)];
        reader.model = VirtualReader::Model::reader(n);
        reader.model->reset();
        reader.model->setVersion(version);
        reader.model->setInterface(VirtualReader::Interface::Serial);
        reader.endpoint.reset(new VirtualReader::SerialEndpoint(*reader.model));
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

    for (const Reader &reader : readers)
        std::printf("%s\n", reader.endpoint->portPath().toLocal8Bit().constData());
    std::fflush(stdout);

    std::mt19937 random(std::random_device {}());
    std::uniform_int_distribution<unsigned> idDigits(0, 0xFFFFFFFFu);
    auto nextKey = std::chrono::steady_clock::now() + std::chrono::seconds(keySeconds);

    while (!stopRequested) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const bool keyDue = keySeconds > 0 && std::chrono::steady_clock::now() >= nextKey;
        for (Reader &reader : readers) {
            const QList<QByteArray> frames = reader.model->receivedFrames();
            for (; reader.framesShown < frames.size(); ++reader.framesShown)
                std::printf("%sframe: %s\n", reader.label.c_str(), hex(frames[reader.framesShown]).c_str());
            if (!keyDue)
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

    for (Reader &reader : readers)
        reader.endpoint->stop();
    std::printf("stopped\n");
    return 0;
}
