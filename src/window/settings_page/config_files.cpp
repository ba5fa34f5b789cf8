#include "window/settings_page/config_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "core/reader/file_interface.h"
#include "core/settings/config_mapping.h"
#include "window/settings_page/file_dialogs.h"
#include "window/connection/reader_link.h"
#include "window/settings_page/settings_form.h"
#include "window/ui/window_tr.h"

namespace {

// What a file that cannot fill the page gets instead: a warning, and the page as it was.
bool acceptFile(const QString &path, const QString &title)
{
    const ConfigFile::ReadCheck check = ConfigFile::checkReadable(path);
    if (check.ok())
        return true;
    const QString name = QFileInfo(path).fileName();
    const QString text = check.result == ConfigFile::ReadCheck::CannotRead
        ? WindowText::tr("Cannot read %1: %2. The page was left as it was.").arg(name, check.reason)
        : WindowText::tr("%1 holds no Keylon settings. The page was left as it was.").arg(name);
    QMessageBox::warning(nullptr, title, text);
    return false;
}

}  // namespace

void ConfigFiles::exportPage(QWidget &dialogParent, const ReaderLink &link, const SettingsForm &form)
{
    const QString path = FileDialogs::getSaveFileName(&dialogParent, WindowText::tr("Save Config"), ".",
                                                      WindowText::tr("Config Files(*.cfg)"));
    if (path.isEmpty()) {
        QMessageBox::warning(nullptr, WindowText::tr("Config File"), WindowText::tr("You didn't input config file."));
        return;
    }

    ConfigPage page = form.page();
    page.interfaceSerial = link.state().serialActive != 0;
    QString reason;
    if (!ConfigFile::write(path, page, &reason))
        QMessageBox::warning(nullptr, WindowText::tr("Config File"),
                             WindowText::tr("Cannot write %1: %2. Nothing was saved.").arg(QFileInfo(path).fileName(), reason));
}

void ConfigFiles::importPage(QWidget &dialogParent, ReaderLink &link, SettingsForm &form)
{
    const QString path = FileDialogs::getOpenFileName(&dialogParent, WindowText::tr("Open Config"), ".",
                                                      WindowText::tr("Config Files(*.cfg)"));
    if (path.isEmpty()) {
        QMessageBox::information(nullptr, WindowText::tr("Open Config"), WindowText::tr("You didn't select any files."));
        return;
    }

    if (!acceptFile(path, WindowText::tr("Open Config")))
        return;
    const ConfigPage page = ConfigFile::read(path);
    link.setInterfaceSetting(
        FileInterface::writeTarget(FileInterface::Use::NextWrite, link.reader().dialect(), page.interfaceSerial));
    form.showPage(page);
}

void ConfigFiles::loadDefault(SettingsForm &form)
{
    const QString path = QDir::currentPath() + "/Default.cfg";
    if (!QFileInfo::exists(path)) {
        QMessageBox::warning(nullptr, WindowText::tr("Default File"), WindowText::tr("Can not found default.cfg file."));
        return;
    }

    if (!acceptFile(path, WindowText::tr("Load Default")))
        return;
    // The default file leaves the interface as it is: only an import changes it.
    form.showPage(ConfigFile::read(path));
    QMessageBox::warning(nullptr, WindowText::tr("Load Default"),
                         WindowText::tr("The default file is successfully loaded, click the Set Status write to Keylon device."));
}
