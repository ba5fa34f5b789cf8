#include "window/settings_page/file_dialogs.h"

#include <QFileDialog>

namespace FileDialogs {

namespace {

QString realSave(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString realOpen(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

}  // namespace

Ask getSaveFileName = realSave;
Ask getOpenFileName = realOpen;

void reset()
{
    getSaveFileName = realSave;
    getOpenFileName = realOpen;
}

}  // namespace FileDialogs
