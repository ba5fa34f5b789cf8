#include "protocol/settings_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "app/mainwindow.h"
#include "protocol/settings_record.h"
#include "ui/ui_mainwindow.h"

namespace SettingsPage {

void applyOptionByte(Ui::MainWindow &ui, quint8 options, bool withRemoveIdCode)
{
    const bool removeData = options & OptionBits::RemoveEnable;
    ui.RemoveDataChk->setChecked(removeData);
    ui.RemoveDataEdit->setEnabled(removeData);

    const bool post = options & OptionBits::PostEnable;
    ui.PostAmbleChk->setChecked(post);
    ui.PostAmbleEdit->setEnabled(post);

    const bool pre = options & OptionBits::PreEnable;
    ui.PreAmbleChk->setChecked(pre);
    ui.PreAmbleEdit->setEnabled(pre);

    ui.AutoReportChk->setChecked(options & OptionBits::AutoReport);
    ui.BuzzerEnableChk->setChecked(options & OptionBits::Buzzer);

    if (!withRemoveIdCode)
        return;
    const bool removeIdCode = options & OptionBits::RemoveIDCode;
    ui.RemoveIDCodeChk->setChecked(removeIdCode);
    if (removeIdCode)
        ui.RemoveDataEdit->setEnabled(false);  // the reader drops the ID code, not the affix
}

void showOutputWindow(Ui::MainWindow &ui, quint8 start, quint8 length, bool asSigned)
{
    auto text = [asSigned](quint8 byte) {
        return asSigned ? QString::number(qint8(byte)) : QString::number(byte);
    };
    ui.KLNOutStartEdit->setText(text(start));
    ui.KLNOutLengthEdit->setText(text(length));
}

void showFirmwareVersion(MainWindow &window, const QString &version)
{
    window.link.firmwareVersion.clear();
    window.link.firmwareVersion.append(version);
    window.ui->FWLbl->setText(QStringLiteral("F/W Version: ") + window.link.firmwareVersion);
}

QString versionOfHidBytes(const QByteArray &bytes)
{
    QString version;
    for (char byte : bytes)
        version.append(QChar(quint8(byte)));
    return version;
}

}  // namespace SettingsPage
