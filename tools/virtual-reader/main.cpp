// keylon2-virtual-reader: the virtual reader on a pseudo-terminal, for trying the serial side of
// the utility by hand. Prints the port to open, shows every frame the reader receives and, when
// asked, reads a made-up key now and then.
#include "reader_model.h"
#include "serial_endpoint.h"

#include <QByteArray>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int)
{
    stopRequested = 1;
}

void printHelp(const char *program)
{
    std::printf(
        "Usage: %s [--keys SECONDS] [--version TEXT]\n"
        "\n"
        "Starts a virtual Keylon2 reader on the serial interface behind a pseudo-terminal\n"
        "and prints the port to open in the utility (SerialNameEdit). Every frame the reader\n"
        "receives is printed in hexadecimal. Stop it with Ctrl-C.\n"
        "\n"
        "Options:\n"
        "  -k, --keys SECONDS   read a key with a random ID code every SECONDS seconds\n"
        "                       (sent with the preamble and postamble when they are enabled)\n"
        "  -v, --version TEXT   firmware version the reader reports (default 1.20)\n"
        "  -h, --help           show this help and exit\n",
        program);
}

bool parseSeconds(const char *text, int *seconds)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (!text[0] || *end || value < 1 || value > 86400)
        return false;
    *seconds = int(value);
    return true;
}

std::string hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper().toStdString();
}

}  // namespace

int main(int argc, char **argv)
{
    int keySeconds = 0;
    QByteArray version = "1.20";
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(arg, "-h") || !std::strcmp(arg, "--help")) {
            printHelp(argv[0]);
            return 0;
        } else if ((!std::strcmp(arg, "-k") || !std::strcmp(arg, "--keys")) && hasValue) {
            if (!parseSeconds(argv[++i], &keySeconds)) {
                std::fprintf(stderr, "%s: --keys wants a number of seconds (1 to 86400)\n", argv[0]);
                return 2;
            }
        } else if ((!std::strcmp(arg, "-v") || !std::strcmp(arg, "--version")) && hasValue) {
            version = argv[++i];
        } else {
            std::fprintf(stderr, "%s: unknown or incomplete option '%s' (try --help)\n", argv[0], arg);
            return 2;
        }
    }

    VirtualReader::Model &model = VirtualReader::Model::instance();
    model.reset();
    model.setVersion(version);
    model.setInterface(VirtualReader::Interface::Serial);

    VirtualReader::SerialEndpoint endpoint(model);
    if (!endpoint.start()) {
        std::fprintf(stderr, "%s: no pseudo-terminal available: %s\n", argv[0], std::strerror(errno));
        return 1;
    }

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    std::printf("%s\n", endpoint.portPath().toLocal8Bit().constData());
    std::fflush(stdout);

    std::mt19937 random(std::random_device {}());
    std::uniform_int_distribution<unsigned> idDigits(0, 0xFFFFFFFFu);
    auto nextKey = std::chrono::steady_clock::now() + std::chrono::seconds(keySeconds);
    int framesShown = 0;

    while (!stopRequested) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const QList<QByteArray> frames = model.receivedFrames();
        for (; framesShown < frames.size(); ++framesShown)
            std::printf("frame: %s\n", hex(frames[framesShown]).c_str());
        if (keySeconds > 0 && std::chrono::steady_clock::now() >= nextKey) {
            const QByteArray id = QByteArray::number(idDigits(random), 16).toUpper().rightJustified(8, '0');
            if (endpoint.sendIdCode(id))
                std::printf("key:   %s\n", id.constData());
            else
                std::printf("key:   %s not sent (the reader is not on the serial interface)\n",
                            id.constData());
            nextKey += std::chrono::seconds(keySeconds);
        }
        std::fflush(stdout);
    }

    endpoint.stop();
    std::printf("stopped\n");
    return 0;
}
