#pragma once

#include <QByteArray>
#include <QString>

// Turns what the serial line brings into the text the Status page shows. The reader cuts its
// output wherever the poll happens to read, so a UTF-8 character may begin in one chunk and end
// in the next: the decoder holds the unfinished bytes back until the rest arrives. A NUL byte
// (a preamble of [NULL], say) shows as nothing and takes nothing else with it.
class SerialEchoDecoder
{
public:
    QString decode(const QByteArray &chunk);

private:
    QByteArray pending_;  // the start of a character that the next chunk may finish
};
