#include "window/maintenance/firmware_writer_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCodec>
#include <QVBoxLayout>

#include "window/ui/window_tr.h"

FirmwareWriterDialog::FirmwareWriterDialog(QWidget *parent)
    : QDialog(parent)
    , output_(new QPlainTextEdit(this))
    , printed_(output_)
    , decoder_(QTextCodec::codecForLocale()->makeDecoder())
    , end_(new QLabel(this))
    , stop_(new QPushButton(WindowText::tr("Stop the writer"), this))
    , close_(new QPushButton(WindowText::tr("Close"), this))
    , check_(new QPushButton(WindowText::tr("Connect and check"), this))
{
    setObjectName(QStringLiteral("FirmwareWriterDialog"));
    setWindowTitle(WindowText::tr("FW Update"));
    setModal(true);
    output_->setObjectName(QStringLiteral("writerOutput"));
    output_->setReadOnly(true);
    // What leaves the view at the top would otherwise stay in its undo record.
    output_->setUndoRedoEnabled(false);
    end_->setObjectName(QStringLiteral("writerEnd"));
    end_->setWordWrap(true);
    stop_->setObjectName(QStringLiteral("stopButton"));
    close_->setObjectName(QStringLiteral("closeButton"));
    close_->setEnabled(false);
    check_->setObjectName(QStringLiteral("checkButton"));
    check_->setEnabled(false);
    check_->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(stop_);
    buttons->addWidget(check_);
    buttons->addWidget(close_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(output_);
    layout->addWidget(end_);
    layout->addLayout(buttons);
    resize(480, 300);

    connect(stop_, &QPushButton::clicked, this, &FirmwareWriterDialog::askToStop);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(check_, &QPushButton::clicked, this, [this] {
        checkAsked_ = true;
        accept();
    });
    connect(&writer_, &QProcess::readyRead, this, &FirmwareWriterDialog::showOutput);
    connect(&writer_, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus) { showEnd(exitCode); });
    connect(&writer_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        printed_.append(writer_.errorString());  // nothing was printed before it
        showEnd(-1);
    });
}

FirmwareWriterDialog::~FirmwareWriterDialog()
{
    if (writer_.state() != QProcess::NotRunning) {
        writer_.kill();
        writer_.waitForFinished(1000);
    }
}

bool FirmwareWriterDialog::run(const QString &program, const QStringList &arguments)
{
    // A writer that waits for input would otherwise wait for ever: nobody types into it.
    writer_.setStandardInputFile(QProcess::nullDevice());
    writer_.setProcessChannelMode(QProcess::MergedChannels);
    writer_.start(program, arguments);
    if (!ended_)
        exec();
    return ended_ && !stopped_ && writer_.error() != QProcess::FailedToStart;
}

void FirmwareWriterDialog::offerCheck()
{
    check_->show();
}

void FirmwareWriterDialog::reject()
{
    if (!ended_)
        askToStop();
    else
        QDialog::reject();
}

void FirmwareWriterDialog::askToStop()
{
    if (ended_)
        return;
    const auto answer = QMessageBox::question(
        this, WindowText::tr("FW Update"),
        WindowText::tr("Stopping the writer can leave the reader without working firmware. Stop it?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes || ended_)
        return;
    stopped_ = true;
    writer_.kill();
}

void FirmwareWriterDialog::showOutput()
{
    printed_.append(decoder_->toUnicode(writer_.readAll()));
}

void FirmwareWriterDialog::showEnd(int exitCode)
{
    if (ended_)
        return;
    showOutput();
    ended_ = true;
    end_->setText(WindowText::tr("The firmware writer ended with exit code %1. Connect again when the reader is back.")
                      .arg(exitCode));
    stop_->setEnabled(false);
    close_->setEnabled(true);
    check_->setEnabled(true);
    close_->setDefault(true);
    close_->setFocus();
}
