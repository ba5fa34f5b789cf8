#pragma once

#include <QDialog>
#include <QProcess>

#include <memory>

#include "window/maintenance/writer_output.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextDecoder;

// Runs the firmware writer and keeps the operator company while it works: its output as it
// comes (the end of it, see WriterOutput), its end, and a way to stop it that asks first. The
// window behind keeps painting.
class FirmwareWriterDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FirmwareWriterDialog(QWidget *parent = nullptr);
    ~FirmwareWriterDialog() override;

    // Starts the writer and shows the dialog until the operator closes it after the end.
    // True when the writer ran to an end of its own; false when it could not be started or
    // was stopped.
    bool run(const QString &program, const QStringList &arguments);
    // Offers "Connect and check" beside Close once the writer has ended; checkAsked() says
    // whether the operator closed the dialog with it.
    void offerCheck();
    bool checkAsked() const { return checkAsked_; }

public slots:
    void reject() override;  // until the writer ends: the same question as the stop button

private:
    void askToStop();
    void showOutput();
    void showEnd(int exitCode);

    QProcess writer_;
    QPlainTextEdit *output_;
    WriterOutput printed_;
    std::unique_ptr<QTextDecoder> decoder_;  // a character cut between two reads stays whole
    QLabel *end_;
    QPushButton *stop_;
    QPushButton *close_;
    QPushButton *check_;
    bool stopped_ = false;
    bool ended_ = false;
    bool checkAsked_ = false;
};
