#include "core/settings/config_mapping.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QTextCodec>
#endif

#include <utility>

#include "core/settings/settings_table.h"

namespace ConfigFile {

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
namespace {

// UTF-8 for Qt 5's INI writer, which hands its codec one UTF-16 unit at a time with no state:
// the stock UTF-8 codec writes nothing for half a surrogate pair, so a character beyond the BMP
// (an emoji typed into an affix) vanished from the exported file. This one keeps a first half
// back until the second comes (per thread: stations write files side by side). Qt 6 writes
// such characters itself.
class IniUtf8Codec : public QTextCodec
{
public:
    QByteArray name() const override { return QByteArrayLiteral("keylon2-ini-UTF-8"); }
    int mibEnum() const override { return -4711; }

protected:
    QString convertToUnicode(const char *in, int length, ConverterState *) const override
    {
        return QString::fromUtf8(in, length);
    }
    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *) const override
    {
        thread_local QChar heldBack;
        QString units;
        if (!heldBack.isNull())
            units += std::exchange(heldBack, QChar());
        units.append(in, length);
        if (!units.isEmpty() && units.at(units.size() - 1).isHighSurrogate()) {
            heldBack = units.at(units.size() - 1);
            units.chop(1);
        }
        return units.toUtf8();
    }
};

}  // namespace
#endif

void useUtf8(QSettings &file)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // The codec registry owns a codec from its construction on.
    static QTextCodec *const codec = new IniUtf8Codec;
    file.setIniCodec(codec);
#else
    Q_UNUSED(file);
#endif
}

bool write(const QString &path, const ConfigPage &page, QString *reason, bool withCountry)
{
    QSettings file(path, QSettings::IniFormat);
    useUtf8(file);
    file.setValue("FW/Ver", page.firmwareVersion);
    for (const Settings::Setting &setting : Settings::all()) {
        if (withCountry || !setting.usbOnly)
            file.setValue(QStringLiteral("KEYLON/") + QLatin1String(setting.key), setting.exported(page));
    }
    file.sync();
    if (file.status() == QSettings::NoError)
        return true;
    if (reason) {
        // The settings library says only that it failed. It writes through a temporary file
        // beside the target and renames it, so opening one the same way tells why.
        QSaveFile probe(path);
        *reason = probe.open(QIODevice::WriteOnly) ? QStringLiteral("Input/output error")
                                                   : probe.errorString();
        probe.cancelWriting();
    }
    return false;
}

ReadCheck checkReadable(const QString &path)
{
    ReadCheck check;
    const QFileInfo info(path);
    // A pipe or a device node would block the open or the read for as long as it likes.
    if (info.exists() && !info.isFile()) {
        check.result = ReadCheck::CannotRead;
        check.reason = info.isDir() ? QStringLiteral("Is a directory")
                                    : QStringLiteral("Not a regular file");
        return check;
    }
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        file.readAll();
    // A failed open leaves its error too.
    if (file.error() != QFileDevice::NoError) {
        check.result = ReadCheck::CannotRead;
        check.reason = file.errorString();
        return check;
    }
    file.close();

    QSettings settings(path, QSettings::IniFormat);
    useUtf8(settings);
    const QStringList groups = settings.childGroups();
    // A malformed line is reported only once a key has been read.
    settings.value(QStringLiteral("KEYLON/Interface"));
    if (settings.status() != QSettings::NoError
        || (!groups.contains(QStringLiteral("FW")) && !groups.contains(QStringLiteral("KEYLON"))))
        check.result = ReadCheck::NoKeylonSettings;
    return check;
}

ConfigPage read(const QString &path)
{
    QSettings file(path, QSettings::IniFormat);
    // Export writes UTF-8; reading with the INI default would turn each byte of a non-ASCII
    // character into a Latin-1 character of its own.
    useUtf8(file);

    ConfigPage page;
    file.value("FW/Ver");  // kept in the file for the operator, never applied
    for (const Settings::Setting &setting : Settings::all())
        setting.import(page, file.value(QStringLiteral("KEYLON/") + QLatin1String(setting.key)));
    return page;
}

}  // namespace ConfigFile
