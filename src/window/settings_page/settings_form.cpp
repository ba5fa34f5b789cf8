#include "window/settings_page/settings_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <vector>

#include "core/settings/page_record.h"
#include "core/settings/settings_table.h"
#include "core/text/core_text.h"
#include "core/text/name_tables.h"
#include "window/ui/ui_mainwindow.h"
#include "window/ui/window_tr.h"


namespace {

struct Field
{
    const Settings::Setting *setting;
    QWidget *widget;  // a check box for a switch, an edit for an affix or number, a list for a choice
};

template<typename W = QWidget>
W *widgetNamed(const Ui::MainWindow &ui, const char *name)
{
    return ui.centralWidget->findChild<W *>(QLatin1String(name));
}

// Each setting's widget on the page, in the order a page is shown: the switches, then the
// rest. Interface has none: the connection box shows it.
std::vector<Field> fieldsOf(const Ui::MainWindow &ui)
{
    std::vector<Field> fields;
    for (const bool switches : {true, false}) {
        for (const Settings::Setting &setting : Settings::all()) {
            if (setting.widget && setting.isSwitch() == switches)
                fields.push_back({&setting, widgetNamed(ui, setting.widget)});
        }
    }
    return fields;
}

// The property that holds a widget's value: a check box's state, an edit's text, a list's
// current entry.
const char *valueProperty(const Settings::Setting &setting)
{
    return setting.isSwitch() ? "checked" : setting.isChoice() ? "currentIndex" : "text";
}

}  // namespace

SettingsForm::SettingsForm(Ui::MainWindow &ui)
    : ui_(ui)
{
}

void SettingsForm::fillPickers()
{
    for (const Settings::Setting *affix : Settings::affixes())
        widgetNamed<QComboBox>(ui_, affix->picker)->addItems(ControlNames);
    for (const QString &country : CountryNames)
        ui_.KB_cmb->addItem(CoreText::tr(qPrintable(country)));
}

ConfigPage SettingsForm::page() const
{
    ConfigPage page;
    page.firmwareVersion = firmwareVersion_;
    for (const Field &field : fieldsOf(ui_))
        field.setting->import(page, field.widget->property(valueProperty(*field.setting)));
    return page;
}

SettingsRecord SettingsForm::recordToWrite() const
{
    ConfigPage shown = page();
    if (!Settings::named(QStringLiteral("KBCountry"))->holds(shown.kbCountry))
        shown.kbCountry = readerCountry_;
    return PageRecord::recordOfPage(shown);
}

// An index outside the list leaves the combo box without a current entry.
void SettingsForm::showPage(const ConfigPage &page)
{
    for (const Field &field : fieldsOf(ui_))
        field.widget->setProperty(valueProperty(*field.setting), field.setting->shown(page));
}

void SettingsForm::showFirmwareVersion(const QString &version)
{
    firmwareVersion_ = version;
    ui_.FWLbl->setText(WindowText::tr("F/W Version: %1").arg(firmwareVersion_));
}

void SettingsForm::showRead(const ConfigPage &page, quint8 fields)
{
    if (fields & RecordFields::Version)
        showFirmwareVersion(page.firmwareVersion);
    // Each switch's check box, then the affix edit it enables, bit 0 first. The remove ID code
    // switch arrives apart from the others: the serial line's answers leave it out.
    for (const Settings::Setting *setting : Settings::recordOrder()) {
        const quint8 field = setting->bit == OptionBits::RemoveIDCode ? RecordFields::RemoveIdCode : RecordFields::Options;
        if (!setting->isSwitch() || !(fields & field))
            continue;
        const bool on = page.*(setting->flag);
        for (const Field &shown : fieldsOf(ui_)) {
            if (shown.setting == setting)
                shown.widget->setProperty("checked", on);
            else if (shown.setting->switchedBy && qstrcmp(shown.setting->switchedBy, setting->key) == 0)
                shown.widget->setEnabled(on);
        }
    }
    if ((fields & RecordFields::RemoveIdCode) && page.removeIdCode)
        ui_.RemoveDataEdit->setEnabled(false);  // the reader drops the ID code, not the affix
    if (fields & RecordFields::OutputWindow) {
        ui_.KLNOutStartEdit->setText(page.outputStart);
        ui_.KLNOutLengthEdit->setText(page.outputLength);
    }
    if (fields & RecordFields::Country) {
        ui_.KB_cmb->setEnabled(true);
        ui_.KB_cmb->setCurrentIndex(page.kbCountry);
        readerCountry_ = page.kbCountry;
    }
    for (int i = 0; i < RecordFields::AffixCount; ++i) {
        if (fields & RecordFields::affix(i))
            edit(Affix(i))->setText(page.*Settings::affixes().at(i)->text);
    }
}

void SettingsForm::disableCountry()
{
    ui_.KB_cmb->setEnabled(false);
}

void SettingsForm::followSwitches()
{
    const std::vector<Field> fields = fieldsOf(ui_);
    for (const Field &field : fields) {
        if (!field.setting->switchedBy)
            continue;
        for (const Field &toggle : fields) {
            if (qstrcmp(toggle.setting->key, field.setting->switchedBy) == 0)
                field.widget->setEnabled(toggle.widget->property("checked").toBool());
        }
    }
    if (ui_.RemoveIDCodeChk->isChecked())
        ui_.RemoveDataEdit->setEnabled(false);  // the reader drops the ID code, not the affix
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
    ui_.RemoveDataEdit->setEnabled(ui_.RemoveDataChk->isChecked());
    if (ui_.RemoveDataChk->isChecked())
        ui_.RemoveIDCodeChk->setChecked(false);
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
    return widgetNamed<QLineEdit>(ui_, Settings::affixes().at(int(affix))->widget);
}
