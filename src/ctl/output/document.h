#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace Ctl {

struct Invocation;
struct Io;

// The document every command prints with --json.
QJsonObject document(const QString &command, int exitCode, const QString &error = QString());
void printDocument(const QJsonObject &document, Io &io);

// A command that ends before any reader is done: each line on standard error and, with
// --json, the document with the lines as its error (and an empty list of readers when the
// command is known). Returns exitCode.
int fail(const Invocation &invocation, Io &io, int exitCode, const QStringList &lines);

// Warnings: one line each on standard error; with --json also in the document.
void warn(const QStringList &warnings, QJsonObject *document, Io &io);

}  // namespace Ctl
