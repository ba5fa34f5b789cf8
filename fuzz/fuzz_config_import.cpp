// Arbitrary bytes as a configuration file, through the import mapping.
//
// Checked on every input: reading and the check before it never fail, no text is longer than
// the file, and what was read survives being exported and read again (the library's escapes and
// the UTF-8 text both ways), with the output fields as the numbers export makes of them; texts
// with characters beyond U+FFFF excepted (see survivesExport).

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/settings/config_mapping.h"
#include "core/settings/settings_table.h"

namespace {

// Names the property that broke before the fuzzer takes the crash.
#define check(condition)                                                          \
    do {                                                                          \
        if (!(condition)) {                                                       \
            std::fprintf(stderr, "property broken: %s\n", #condition);            \
            std::abort();                                                         \
        }                                                                         \
    } while (false)

QString scratchDir()
{
    static const QString dir = [] {
        const QString path = QDir::tempPath() + QString("/keylon2-fuzz-config-%1").arg(QCoreApplication::applicationPid());
        QDir().mkpath(path);
        return path;
    }();
    return dir;
}

// The settings library keeps what it read by path: every file gets a name of its own.
QString freshPath()
{
    static quint64 number = 0;
    return scratchDir() + QString("/%1.cfg").arg(++number);
}

QString writeBytes(const QByteArray &bytes)
{
    const QString path = freshPath();
    QFile file(path);
    check(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

// The settings library encodes a text for the INI file one UTF-16 unit at a time, so a
// character beyond U+FFFF (a surrogate pair) is written as two U+FFFD. Such a text cannot come
// back unchanged; everything else must.
bool survivesExport(const QString &text)
{
    for (QChar unit : text) {
        if (unit.isSurrogate())
            return false;
    }
    return true;
}

bool sameText(const QString &back, const QString &read)
{
    return !survivesExport(read) || back == read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString input = writeBytes(bytes);
    // The check before an import never fails on a regular file it can read, whatever it holds.
    check(ConfigFile::checkReadable(input).result != ConfigFile::ReadCheck::CannotRead);
    const ConfigPage page = ConfigFile::read(input);
    for (const QString *text : {&page.pre, &page.post, &page.remove, &page.outputStart, &page.outputLength})
        check(text->size() <= int(size));

    const QString exported = freshPath();
    check(ConfigFile::write(exported, page));
    QFile file(exported);
    check(file.open(QIODevice::ReadOnly));
    const QString copy = writeBytes(file.readAll());
    const ConfigPage back = ConfigFile::read(copy);

    check(sameText(back.pre, page.pre));
    check(sameText(back.post, page.post));
    check(sameText(back.remove, page.remove));
    check(back.preEnable == page.preEnable && back.postEnable == page.postEnable);
    check(back.removeEnable == page.removeEnable && back.removeIdCode == page.removeIdCode);
    check(back.autoReport == page.autoReport && back.buzzer == page.buzzer);
    check(back.interfaceSerial == page.interfaceSerial);
    check(back.kbCountry == page.kbCountry);
    check(back.outputStart == QString::number(Settings::outputNumber(page.outputStart)));
    check(back.outputLength == QString::number(Settings::outputNumber(page.outputLength)));

    QFile::remove(input);
    QFile::remove(exported);
    QFile::remove(copy);
    return 0;
}
