#include "ctl/output/document.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include "ctl/output/io.h"
#include "ctl/table/ctl_text.h"
#include "ctl/table/exit_codes.h"
#include "ctl/table/human_text.h"
#include "ctl/table/invocation.h"

namespace Ctl {

QJsonObject document(const QString &command, int exitCode, const QString &error)
{
    QJsonObject object{{"schema", 1}, {"command", command}, {"ok", exitCode == Success}, {"exitCode", exitCode}};
    if (!error.isEmpty())
        object.insert("error", error);
    return object;
}

void printDocument(const QJsonObject &document, Io &io)
{
    io.out << QJsonDocument(document).toJson(QJsonDocument::Indented);
    io.out.flush();
}

int fail(const Invocation &invocation, Io &io, int exitCode, const QStringList &lines)
{
    for (const QString &line : lines)
        io.err << human(line) << Qt::endl;
    if (invocation.json) {
        QJsonObject document = Ctl::document(invocation.commandWord, exitCode, lines.join(QLatin1Char('\n')));
        if (invocation.command)
            document.insert("readers", QJsonArray());
        printDocument(document, io);
    }
    return exitCode;
}

void warn(const QStringList &warnings, QJsonObject *document, Io &io)
{
    for (const QString &warning : warnings)
        io.err << CtlText::tr("warning: %1").arg(human(warning)) << Qt::endl;
    if (document && !warnings.isEmpty())
        document->insert("warnings", QJsonArray::fromStringList(warnings));
}

}  // namespace Ctl
