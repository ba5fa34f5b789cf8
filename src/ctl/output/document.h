#pragma once

#include <QJsonObject>
#include <QString>

#include "core/text/message.h"

namespace Ctl {

struct Invocation;
struct Io;

// The document every command prints with --json; a failure's error in English, and its code.
QJsonObject document(const QString &command, int exitCode, const Message &error = Message());
void insertError(QJsonObject &object, const Message &error);
void printDocument(const QJsonObject &document, Io &io);

// A command that ends before any reader is done: each line on standard error and, with
// --json, the document with the lines as its error (and an empty list of readers when the
// command is known). Returns exitCode.
// The code is the first line's.
int fail(const Invocation &invocation, Io &io, int exitCode, const QList<Message> &lines);

// "--log wants a file name".
Message fileNameWanted(const QString &option);

}  // namespace Ctl
