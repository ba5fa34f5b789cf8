#include "core/platform/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QThread>

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
    const QByteArray name = charset.toUpper();
    if (name == "UTF-8" || name == "UTF8")
        return 65001;
    if (name == "ISO-8859-1" || name == "ISO8859-1")
        return 28591;
    if (name == "ISO-8859-15" || name == "ISO8859-15")
        return 28605;
    if (name == "KOI8-R")
        return 20866;
    if (name == "KOI8-U")
        return 21866;
    return 65001;
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
    if (seams().sleep) {
        seams().sleep(ms);
        return;
    }
    QThread::msleep(ms);
}

void setSleepFunction(std::function<void(unsigned)> sleep)
{
    seams().sleep = std::move(sleep);
}

QList<PortRecord> enumeratePorts()
{
    if (seams().ports)
        return seams().ports();
    return systemPorts();
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

}  // namespace Platform
