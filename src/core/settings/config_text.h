#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A configuration file as it was typed, line by line, for what the INI reader would take
// differently from what a person sees: a byte order mark (the INI reader calls such a file
// malformed), a key given twice (it takes the last line without a word), a ';' outside double
// quotes (it starts a comment: "Pre=AB;CD" is read as "AB").
namespace ConfigText {

struct Entry
{
    int line = 0;     // from 1
    QString group;    // the [GROUP] it stands in
    QString key;
    QString value;    // what follows '=', as typed, without the spaces around it
    int cutAt = -1;   // where in value a ';' outside double quotes begins a comment; -1: none
};

struct Text
{
    bool byteOrderMark = false;  // the bytes began with the UTF-8 byte order mark
    QByteArray bytes;            // the bytes without it
    QList<Entry> entries;        // each key line, in the file's order
};

Text scan(const QByteArray &bytes);

// value in double quotes, with the INI reader's escapes, so that it reads back as value.
QString quoted(const QString &value);

}  // namespace ConfigText
