#include "ctl/output/document.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include "ctl/output/io.h"
#include "ctl/table/exit_codes.h"
#include "ctl/table/invocation.h"

namespace Ctl {

QJsonObject document(const QString &command, int exitCode, const Message &error)
{
    QJsonObject object{{"schema", 1}, {"command", command}, {"ok", exitCode == Success}, {"exitCode", exitCode}};
    insertError(object, error);
    return object;
}

void insertError(QJsonObject &object, const Message &error)
{
    if (error.isEmpty())
        return;
    object.insert("error", error.english());
    if (!error.code().isEmpty())
        object.insert("code", error.code());
}

void printDocument(const QJsonObject &document, Io &io)
{
    io.out << QJsonDocument(document).toJson(QJsonDocument::Indented);
    io.out.flush();
}

int fail(const Invocation &invocation, Io &io, int exitCode, const QList<Message> &lines)
{
    for (const Message &line : lines)
        io.err << line.human() << Qt::endl;
    if (invocation.json) {
        QJsonObject document = Ctl::document(invocation.commandWord, exitCode,
                                             Message::joined(lines, QStringLiteral("\n")));
        if (invocation.command)
            document.insert("readers", QJsonArray());
        printDocument(document, io);
    }
    return exitCode;
}

Message fileNameWanted(const QString &option)
{
    return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "--%1 wants a file name")).arg(option).coded(Code::Usage);
}

}  // namespace Ctl
