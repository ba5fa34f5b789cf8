#pragma once

#include <QByteArray>

#include "core/session/reader_session.h"

class ReaderLink;
class SettingsForm;
class StatusPage;

// Reads the reader's settings onto the page, over the link the window holds, and takes in what
// the serial line brings: echoed on the Status page, logged, and parsed for the reader's
// answers.
class SettingsReader
{
public:
    SettingsReader(ReaderLink &link, SettingsForm &form, StatusPage &status);

    // "&Get Status", and the read that follows every connect; ends with a box that says how
    // it went. Over the serial line the answers are collected for a bounded time and shown
    // through the same path as every chunk.
    void read();

    // The USB HID status read of the Status page: once a preliminary read while the Status
    // page is shown, then the whole record once per connect.
    void readStatusOnce();

    // What the serial port holds, if anything, through the receive path.
    void takeSerialChunk();
    // The receive path: the chunk echoed on the Status page, logged, then parsed. Returns what
    // the parser returned.
    int receiveChunk(const QByteArray &chunk);

    // Parses one chunk of what the reader sent on the serial line onto the page: what is whole
    // in it is shown. 0 when all six answers were, -1 when it was dropped or cut short.
    int showSerialAnswers(const QByteArray &chunk);

private:
    void showAnswers(const QByteArray &chunk, const SettingsRecord &record, quint8 fields);

    ReaderLink &link_;
    SettingsForm &form_;
    StatusPage &status_;
};
