#include "window/settings_page/settings_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/settings/page_record.h"
#include "core/text/name_tables.h"
#include "window/ui/ui_mainwindow.h"

SettingsForm::SettingsForm(Ui::MainWindow &ui)
    : ui_(ui)
{
}

void SettingsForm::fillPickers()
{
    ui_.Pre_cmb->addItems(ControlNames);
    ui_.Post_cmb->addItems(ControlNames);
    ui_.Remove_cmb->addItems(ControlNames);
    ui_.KB_cmb->addItems(CountryNames);
}

ConfigPage SettingsForm::page() const
{
    ConfigPage page;
    page.firmwareVersion = firmwareVersion_;
    page.preEnable = ui_.PreAmbleChk->isChecked();
    page.pre = ui_.PreAmbleEdit->text();
    page.postEnable = ui_.PostAmbleChk->isChecked();
    page.post = ui_.PostAmbleEdit->text();
    page.removeEnable = ui_.RemoveDataChk->isChecked();
    page.remove = ui_.RemoveDataEdit->text();
    page.removeIdCode = ui_.RemoveIDCodeChk->isChecked();
    page.autoReport = ui_.AutoReportChk->isChecked();
    page.buzzer = ui_.BuzzerEnableChk->isChecked();
    page.outputStart = ui_.KLNOutStartEdit->text();
    page.outputLength = ui_.KLNOutLengthEdit->text();
    page.kbCountry = ui_.KB_cmb->currentIndex();
    return page;
}

SettingsRecord SettingsForm::recordToWrite() const
{
    ConfigPage shown = page();
    if (shown.kbCountry < 0)
        shown.kbCountry = readerCountry_;
    return PageRecord::recordOfPage(shown);
}

void SettingsForm::showPage(const ConfigPage &page)
{
    ui_.PreAmbleChk->setChecked(page.preEnable);
    ui_.PostAmbleChk->setChecked(page.postEnable);
    ui_.RemoveDataChk->setChecked(page.removeEnable);
    ui_.RemoveIDCodeChk->setChecked(page.removeIdCode);
    ui_.AutoReportChk->setChecked(page.autoReport);
    ui_.BuzzerEnableChk->setChecked(page.buzzer);
    ui_.PreAmbleEdit->setText(page.pre);
    ui_.PostAmbleEdit->setText(page.post);
    ui_.RemoveDataEdit->setText(page.remove);
    ui_.KLNOutStartEdit->setText(page.outputStart);
    ui_.KLNOutLengthEdit->setText(page.outputLength);
    // An index outside the list leaves the combo box without a current entry.
    ui_.KB_cmb->setCurrentIndex(page.kbCountry);
}

void SettingsForm::showFirmwareVersion(const QString &version)
{
    firmwareVersion_ = version;
    ui_.FWLbl->setText(QStringLiteral("F/W Version: ") + firmwareVersion_);
}

void SettingsForm::showRead(const ConfigPage &page, quint8 fields)
{
    if (fields & RecordFields::Version)
        showFirmwareVersion(page.firmwareVersion);
    if (fields & RecordFields::Options) {
        const struct {
            QCheckBox *check;
            QLineEdit *edit;
            bool on;
        } switches[] = {
            {ui_.RemoveDataChk, ui_.RemoveDataEdit, page.removeEnable},
            {ui_.PostAmbleChk, ui_.PostAmbleEdit, page.postEnable},
            {ui_.PreAmbleChk, ui_.PreAmbleEdit, page.preEnable},
            {ui_.AutoReportChk, nullptr, page.autoReport},
            {ui_.BuzzerEnableChk, nullptr, page.buzzer},
        };
        for (const auto &option : switches) {
            option.check->setChecked(option.on);
            if (option.edit)
                option.edit->setEnabled(option.on);
        }
    }
    if (fields & RecordFields::RemoveIdCode) {
        ui_.RemoveIDCodeChk->setChecked(page.removeIdCode);
        if (page.removeIdCode)
            ui_.RemoveDataEdit->setEnabled(false);  // the reader drops the ID code, not the affix
    }
    if (fields & RecordFields::OutputWindow) {
        ui_.KLNOutStartEdit->setText(page.outputStart);
        ui_.KLNOutLengthEdit->setText(page.outputLength);
    }
    if (fields & RecordFields::Country) {
        ui_.KB_cmb->setEnabled(true);
        ui_.KB_cmb->setCurrentIndex(page.kbCountry);
        readerCountry_ = page.kbCountry;
    }
    const QString *const affixes[] = {&page.pre, &page.post, &page.remove};
    for (int i = 0; i < 3; ++i) {
        if (fields & RecordFields::affix(i))
            edit(Affix(i))->setText(*affixes[i]);
    }
}

void SettingsForm::disableCountry()
{
    ui_.KB_cmb->setEnabled(false);
}

void SettingsForm::preAmbleEnableClicked()
{
    ui_.PreAmbleEdit->setDisabled(!ui_.PreAmbleChk->isChecked());
}

void SettingsForm::postAmbleEnableClicked()
{
    ui_.PostAmbleEdit->setDisabled(!ui_.PostAmbleChk->isChecked());
}

// Remove data and remove ID code exclude each other, as far as the operator's clicks go:
// asking for one turns the other off. Unticking either leaves the other as it is.
void SettingsForm::removeDataEnableClicked()
{
    if (ui_.RemoveDataChk->isChecked()) {
        ui_.RemoveDataEdit->setEnabled(true);
        ui_.RemoveIDCodeChk->setChecked(false);
    } else {
        ui_.RemoveDataEdit->setEnabled(false);
    }
}

void SettingsForm::removeIdCodeClicked()
{
    if (ui_.RemoveIDCodeChk->isChecked()) {
        ui_.RemoveDataEdit->setEnabled(false);
        ui_.RemoveDataChk->setChecked(false);
    }
}

// Puts "[NAME]" for a control code into the affix: a selection is replaced, otherwise the
// token goes in at the cursor. Works on a disabled edit too and leaves the focus where it is.
void SettingsForm::controlPicked(Affix affix, int index)
{
    if (index < 0 || index > 31 || index >= ControlNames.size())
        return;
    edit(affix)->insert("[" + ControlNames.at(index) + "]");
}

QLineEdit *SettingsForm::edit(Affix affix) const
{
    switch (affix) {
    case Affix::Pre: return ui_.PreAmbleEdit;
    case Affix::Post: return ui_.PostAmbleEdit;
    case Affix::Remove: break;
    }
    return ui_.RemoveDataEdit;
}
