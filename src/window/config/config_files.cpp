#include "app/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

#include "config/config_mapping.h"
#include "config/file_dialogs.h"
#include "ui/ui_mainwindow.h"

namespace {

// Check states are set, not clicked: the enable slots do not run, the edits keep their
// enabled state, and a file may leave remove data and remove ID code both ticked.
void showOnPage(Ui::MainWindow *ui, const ConfigPage &page)
{
    ui->PreAmbleChk->setChecked(page.preEnable);
    ui->PostAmbleChk->setChecked(page.postEnable);
    ui->RemoveDataChk->setChecked(page.removeEnable);
    ui->RemoveIDCodeChk->setChecked(page.removeIdCode);
    ui->AutoReportChk->setChecked(page.autoReport);
    ui->BuzzerEnableChk->setChecked(page.buzzer);
    ui->PreAmbleEdit->setText(page.pre);
    ui->PostAmbleEdit->setText(page.post);
    ui->RemoveDataEdit->setText(page.remove);
    ui->KLNOutStartEdit->setText(page.outputStart);
    ui->KLNOutLengthEdit->setText(page.outputLength);
    // An index outside the list leaves the combo box without a current entry.
    ui->KB_cmb->setCurrentIndex(page.kbCountry);
}

// What a file that cannot fill the page gets instead: a warning, and the page as it was.
bool acceptFile(const QString &path, const QString &title)
{
    const ConfigFile::ReadCheck check = ConfigFile::checkReadable(path);
    if (check.ok())
        return true;
    const QString name = QFileInfo(path).fileName();
    const QString text = check.result == ConfigFile::ReadCheck::CannotRead
        ? MainWindow::tr("Cannot read %1: %2. The page was left as it was.").arg(name, check.reason)
        : MainWindow::tr("%1 holds no Keylon settings. The page was left as it was.").arg(name);
    QMessageBox::warning(nullptr, title, text);
    return false;
}

}  // namespace

void MainWindow::on_ExportBut_clicked()
{
    const QString path = FileDialogs::getSaveFileName(this, tr("Save Config"), ".",
                                                      tr("Config Files(*.cfg)"));
    if (path.isEmpty()) {
        QMessageBox::warning(nullptr, tr("Config File"), tr("You didn't input config file."));
        return;
    }

    ConfigPage page;
    page.firmwareVersion = link.firmwareVersion;
    page.interfaceSerial = link.serialActive != 0;
    page.preEnable = ui->PreAmbleChk->isChecked();
    page.pre = ui->PreAmbleEdit->text();
    page.postEnable = ui->PostAmbleChk->isChecked();
    page.post = ui->PostAmbleEdit->text();
    page.removeEnable = ui->RemoveDataChk->isChecked();
    page.remove = ui->RemoveDataEdit->text();
    page.removeIdCode = ui->RemoveIDCodeChk->isChecked();
    page.autoReport = ui->AutoReportChk->isChecked();
    page.buzzer = ui->BuzzerEnableChk->isChecked();
    page.outputStart = ui->KLNOutStartEdit->text();
    page.outputLength = ui->KLNOutLengthEdit->text();
    page.kbCountry = ui->KB_cmb->currentIndex();
    QString reason;
    if (!ConfigFile::write(path, page, &reason))
        QMessageBox::warning(nullptr, tr("Config File"),
                             tr("Cannot write %1: %2. Nothing was saved.").arg(QFileInfo(path).fileName(), reason));
}

void MainWindow::on_ImportBut_clicked()
{
    const QString path = FileDialogs::getOpenFileName(this, tr("Open Config"), ".",
                                                      tr("Config Files(*.cfg)"));
    if (path.isEmpty()) {
        QMessageBox::information(nullptr, tr("Open Config"), tr("You didn't select any files."));
        return;
    }

    if (!acceptFile(path, tr("Open Config")))
        return;
    const ConfigPage page = ConfigFile::read(path);
    link.interfaceSetting = page.interfaceSerial ? 1 : 0;
    showOnPage(ui, page);
}

void MainWindow::on_DefaultBut_clicked()
{
    const QString path = QDir::currentPath() + "/Default.cfg";
    if (!QFileInfo::exists(path)) {
        QMessageBox::warning(nullptr, tr("Default File"), tr("Can not found default.cfg file."));
        return;
    }

    if (!acceptFile(path, tr("Load Default")))
        return;
    // The default file leaves the interface as it is: only an import changes it.
    showOnPage(ui, ConfigFile::read(path));
    QMessageBox::warning(nullptr, tr("Load Default"),
                         tr("The default file is successfully loaded, click the Set Status write to Keylon device."));
}
