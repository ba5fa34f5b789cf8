#include "app/mainwindow.h"

#include <QCheckBox>
#include <QLineEdit>

#include "text/name_tables.h"
#include "ui/ui_mainwindow.h"

namespace {

// Puts "[NAME]" for a control code into the edit: a selection is replaced, otherwise the token
// goes in at the cursor. Works on a disabled edit too and leaves the focus where it is.
void insertControlToken(QLineEdit *edit, int index)
{
    if (index < 0 || index > 31 || index >= ControlNames.size())
        return;
    edit->insert("[" + ControlNames.at(index) + "]");
}

}  // namespace

void MainWindow::PreAmbleEnableClick()
{
    ui->PreAmbleEdit->setDisabled(!ui->PreAmbleChk->isChecked());
}

void MainWindow::PostAmbleEnableClick()
{
    ui->PostAmbleEdit->setDisabled(!ui->PostAmbleChk->isChecked());
}

// Remove data and remove ID code exclude each other, as far as the operator's clicks go.
void MainWindow::RemoveDataEnableClick()
{
    if (ui->RemoveDataChk->isChecked()) {
        ui->RemoveDataEdit->setEnabled(true);
        ui->RemoveIDCodeChk->setChecked(false);
    } else {
        ui->RemoveDataEdit->setEnabled(false);
    }
}

void MainWindow::Pre_selectChanged(int index)
{
    insertControlToken(ui->PreAmbleEdit, index);
}

void MainWindow::Post_selectChanged(int index)
{
    insertControlToken(ui->PostAmbleEdit, index);
}

void MainWindow::Remove_selectChanged(int index)
{
    insertControlToken(ui->RemoveDataEdit, index);
}
