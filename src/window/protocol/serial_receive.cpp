#include "protocol/serial_receive.h"

#include <QTextCursor>
#include <QTextEdit>

#include "protocol/serial_echo.h"

namespace SerialReceive {

namespace {

// The echo's decoder lives with the edit it writes to: a character cut between two chunks is
// finished in the edit it began in.
class EchoState : public QObject
{
public:
    explicit EchoState(QObject *edit)
        : QObject(edit)
    {
        setObjectName(QStringLiteral("keylon2EchoDecoder"));
    }
    SerialEchoDecoder decoder;
    // The edit takes CR LF for one line break when both come in one insert; a postamble of
    // CR LF cut between two chunks must not give two.
    bool endedInCr = false;
};

EchoState &echoStateOf(QTextEdit *edit)
{
    auto *state = edit->findChild<EchoState *>(QStringLiteral("keylon2EchoDecoder"),
                                               Qt::FindDirectChildrenOnly);
    if (!state)
        state = new EchoState(edit);
    return *state;
}

}  // namespace

void echoChunk(QTextEdit *edit, const QByteArray &chunk)
{
    EchoState &state = echoStateOf(edit);
    QString text = state.decoder.decode(chunk);
    if (text.isEmpty())
        return;
    if (state.endedInCr && text.startsWith(QLatin1Char('\n')))
        text.remove(0, 1);
    state.endedInCr = text.endsWith(QLatin1Char('\r'));
    if (text.isEmpty())
        return;
    // Re-setting the whole text would cost more with every chunk on a reader that sends ID
    // codes all day; inserting at the end costs the same for the last chunk as for the first.
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

}  // namespace SerialReceive
