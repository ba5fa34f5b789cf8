#include "ctl/output/reader_outcome.h"

#include <QJsonArray>

#include "ctl/output/document.h"


namespace Ctl {

bool ReaderOutcome::ok() const
{
    return result == Result::Unchanged || result == Result::Changed || result == Result::Written;
}

ReaderOutcome &ReaderOutcome::fail(int code, const Message &why, bool namesReader)
{
    result = Result::Failed;
    exitCode = code;
    error = why;
    errorNamesReader = namesReader;
    return *this;
}

QString resultName(ReaderOutcome::Result result)
{
    switch (result) {
    case ReaderOutcome::Result::Unchanged: return QStringLiteral("unchanged");
    case ReaderOutcome::Result::Changed: return QStringLiteral("changed");
    case ReaderOutcome::Result::Written: return QStringLiteral("written");
    case ReaderOutcome::Result::Failed: return QStringLiteral("failed");
    case ReaderOutcome::Result::Interrupted: return QStringLiteral("interrupted");
    case ReaderOutcome::Result::NotStarted: break;
    }
    return QStringLiteral("not-started");
}

QJsonObject identityJson(const ReaderList::Reader &reader)
{
    return QJsonObject{
        {"device", reader.device()},
        {"transport", reader.transport->word},
        {"serialNumber", reader.serialNumber},
        {"portPath", reader.portPath},
    };
}

QJsonObject outcomeJson(const ReaderOutcome &outcome, EntryFields fields)
{
    QJsonObject entry = identityJson(outcome.reader);
    entry.insert("ok", outcome.ok());
    entry.insert("result", resultName(outcome.result));
    if (fields.changed)
        entry.insert("changed", outcome.changed);
    if (fields.verified)
        entry.insert("verified", outcome.verified);
    entry.insert("fields", QJsonArray::fromStringList(outcome.fields));
    if (fields.differences) {
        QJsonObject differences;
        for (const Difference &difference : outcome.differences)
            differences.insert(difference.key, QJsonObject{{"reader", difference.reader}, {"file", difference.file}});
        entry.insert("differences", differences);
    }
    if (!outcome.firmware.isNull())
        entry.insert("firmware", outcome.firmware);
    for (auto detail = outcome.details.begin(); detail != outcome.details.end(); ++detail)
        entry.insert(detail.key(), detail.value());
    if (!outcome.ok()) {
        entry.insert("error", outcome.error.english());
        insertError(entry, outcome.error);
    }
    return entry;
}

QString resultLine(const ReaderList::Reader &reader, const QString &status)
{
    const auto shown = [](const QString &text) { return text.isEmpty() ? QStringLiteral("-") : text; };
    return QStringLiteral("%1  %2  %3  %4").arg(reader.device(), shown(reader.serialNumber), shown(reader.portPath), status);
}

Message readerLine(const ReaderList::Reader &reader, const Message &why, bool namesReader)
{
    return namesReader ? why : Message::plain(QStringLiteral("%1: %2")).arg(reader.device()).arg(why);
}

ReaderOutcome notStarted(const ReaderList::Reader &reader)
{
    ReaderOutcome outcome(reader);
    outcome.error = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "not started: interrupted")).coded(Code::Interrupted);
    return outcome;
}

Summary::Summary(const QList<ReaderOutcome> &outcomes)
{
    for (const ReaderOutcome &outcome : outcomes)
        add(outcome);
}

void Summary::add(const ReaderOutcome &outcome)
{
    ++readers;
    switch (outcome.result) {
    case ReaderOutcome::Result::Unchanged: ++unchanged; break;
    case ReaderOutcome::Result::Changed: ++changed; break;
    case ReaderOutcome::Result::Written: ++written; break;
    case ReaderOutcome::Result::Failed:
        ++failed;
        // A station may fail one reader at each of its plugs: it is named once.
        if (!failedDevices.contains(outcome.reader.device()))
            failedDevices << outcome.reader.device();
        break;
    case ReaderOutcome::Result::Interrupted: ++interrupted; break;
    case ReaderOutcome::Result::NotStarted: ++notStarted; break;
    }
}

QJsonObject Summary::json() const
{
    return QJsonObject{
        {"readers", readers},   {"unchanged", unchanged},     {"changed", changed},       {"written", written},
        {"failed", failed},     {"interrupted", interrupted}, {"notStarted", notStarted},
    };
}

int exitCodeOf(const QList<ReaderOutcome> &outcomes, int stoppedCode)
{
    if (stoppedCode != Success)
        return stoppedCode;
    int exitCode = Success;
    for (const ReaderOutcome &outcome : outcomes) {
        if (outcome.result != ReaderOutcome::Result::Failed)
            continue;
        // A reader gone between the listing and the open, among others that were found, failed
        // like any other; the one reader named and not there is no reader.
        const bool goneAmongOthers = outcome.exitCode == NoReader && outcomes.size() > 1;
        const int code = outcome.exitCode == Success || goneAmongOthers ? ReaderFailed : outcome.exitCode;
        // A reader this user may not open wants a person; a busy one only a later try.
        const auto weight = [](int exit) { return exit == PermissionDenied ? 2 : exit == Busy ? 1 : 0; };
        if (exitCode == Success || weight(code) > weight(exitCode))
            exitCode = code;
    }
    return exitCode;
}

}  // namespace Ctl
