#include "core/platform/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>
#include <QThread>

#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <langinfo.h>
#endif

namespace Platform {

namespace {

struct Seams
{
    std::function<unsigned()> acp;
    std::function<unsigned()> oemcp;
    std::function<void(unsigned)> sleep;
    std::function<QList<PortRecord>()> ports;
};

Seams &seams()
{
    static Seams s;
    return s;
}

unsigned systemCodePage()
{
#ifdef Q_OS_WIN
    return 0;
#else
    return codePageOfCharset(QByteArray(nl_langinfo(CODESET)));
#endif
}

}  // namespace

unsigned codePageOfCharset(const QByteArray &charset)
{
    static const QHash<QByteArray, unsigned> codePages = {
        {"UTF-8", 65001},       {"UTF8", 65001},       {"ISO-8859-1", 28591}, {"ISO8859-1", 28591},
        {"ISO-8859-15", 28605}, {"ISO8859-15", 28605}, {"KOI8-R", 20866},     {"KOI8-U", 21866},
    };
    return codePages.value(charset.toUpper(), 65001);
}

unsigned getACP()
{
    if (seams().acp)
        return seams().acp();
#ifdef Q_OS_WIN
    return ::GetACP();
#else
    return systemCodePage();
#endif
}

unsigned getOEMCP()
{
    if (seams().oemcp)
        return seams().oemcp();
#ifdef Q_OS_WIN
    return ::GetOEMCP();
#else
    return systemCodePage();
#endif
}

void setCodePages(std::function<unsigned()> acp, std::function<unsigned()> oemcp)
{
    seams().acp = std::move(acp);
    seams().oemcp = std::move(oemcp);
}

void sleepMs(unsigned ms)
{
    if (seams().sleep)
        seams().sleep(ms);
    else
        QThread::msleep(ms);
}

void setSleepFunction(std::function<void(unsigned)> sleep)
{
    seams().sleep = std::move(sleep);
}

QList<PortRecord> enumeratePorts()
{
    return seams().ports ? seams().ports() : systemPorts();
}

QList<PortRecord> systemPorts()
{
    QList<PortRecord> records;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        records.append({info.portName(), info.description(), info.systemLocation(), info.manufacturer(),
                        info.hasVendorIdentifier() ? info.vendorIdentifier() : quint16(0),
                        info.hasProductIdentifier() ? info.productIdentifier() : quint16(0),
                        info.serialNumber()});
    return records;
}

void setPortEnumerator(std::function<QList<PortRecord>()> enumerator)
{
    seams().ports = std::move(enumerator);
}

QString defaultPortName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM6");
#else
    return QStringLiteral("/dev/ttyACM0");
#endif
}

QString firmwareWriterProgram()
{
#ifdef Q_OS_WIN
    return QStringLiteral(".\\flashmate.exe");
#else
    return QStringLiteral("./flashmate");
#endif
}

QStringList firmwareWriterArguments()
{
    return {QStringLiteral("RECONNKLN")};
}

bool firmwareWriterRunnable()
{
    const QFileInfo writer(QDir::current(), firmwareWriterProgram());
    return writer.isFile() && writer.isExecutable();
}

void resetSeams()
{
    seams() = Seams();
}

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace Platform
