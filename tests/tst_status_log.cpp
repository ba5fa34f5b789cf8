#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include "window/status_page/status_layout.h"
#include "window/status_page/status_log.h"

namespace {

const QChar LineSeparator(QChar::LineSeparator);

void echoInChunks(StatusLog &log, const QByteArray &bytes, int chunk, bool flushEach)
{
    for (int at = 0; at < bytes.size(); at += chunk) {
        log.echo(bytes.mid(at, chunk));
        if (flushEach)
            log.flush();
    }
    log.flush();
}

QByteArray letters(int size)
{
    QByteArray bytes(size, 'a');
    for (int i = 0; i < size; ++i)
        bytes[i] = char('a' + i % 26);
    return bytes;
}

// Text with its line ends as the page keeps them: most inside a paragraph, every seventh
// one ending a paragraph.
QString asPage(const QString &text)
{
    QString page = text;
    int ends = 0;
    for (QChar &c : page) {
        if (c == QLatin1Char('\n'))
            c = ++ends % 7 == 0 ? QChar(QChar::ParagraphSeparator) : LineSeparator;
    }
    return page;
}

QImage shown(QTextEdit &edit, bool toTheEnd)
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    if (toTheEnd)
        edit.verticalScrollBar()->setValue(edit.verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    return edit.grab().toImage();
}

}  // namespace

class StatusLogTest : public QObject
{
    Q_OBJECT

private slots:
    // Every character shows, in order; a line far longer than a paragraph holds goes on in
    // the next one.
    void shouldShowALongLineWholeInPieces()
    {
        QTextEdit edit;
        StatusLog &log = StatusLog::of(&edit);
        const QByteArray line = letters(1 << 20);
        echoInChunks(log, line + "\r\nnext", 4093, false);

        QCOMPARE(log.text(), QString::fromLatin1(line + "\nnext"));
        QCOMPARE(log.lineCount(), 1);
        const QString shown = edit.toPlainText();
        QCOMPARE(QString(shown).remove(QLatin1Char('\n')), QString::fromLatin1(line + "next"));
        QVERIFY(edit.document()->blockCount() > (1 << 20) / StatusLog::PieceChars);
        for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
            QVERIFY(block.length() <= StatusLog::PieceChars + 1);
    }

    void shouldKeepTheNewest_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("flushEach");  // shown after each MiB, or all at once at the end
        QTest::addColumn<QString>("kept");

        QByteArray lines;
        QString newest;
        for (int i = 0; i < StatusLog::MaxLines + 5; ++i) {
            lines += QByteArray::number(i) + "\r\n";
            if (i >= 5)
                newest += QString::number(i) + QLatin1Char('\n');
        }
        QTest::newRow("lines") << lines << true << newest;

        const QByteArray oneLine = letters(9 << 20);
        const QString lastChars = QString::fromLatin1(oneLine.right(StatusLog::MaxChars));
        QTest::newRow("characters") << oneLine << false << lastChars;

        QByteArray longLines = letters(9 << 20);
        for (int at = 999; at < longLines.size(); at += 1000)
            longLines[at] = '\r';
        QString tail = QString::fromLatin1(longLines.right(StatusLog::MaxChars));
        tail.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QTest::newRow("lines of a thousand characters") << longLines << true << tail;
    }
    void shouldKeepTheNewest()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, flushEach);
        QFETCH(QString, kept);
        QTextEdit edit;
        StatusLog &log = StatusLog::of(&edit);
        echoInChunks(log, bytes, 1 << 20, flushEach);

        QCOMPARE(log.text(), kept);
        QCOMPARE(log.lineCount(), int(kept.count(QLatin1Char('\n'))));
        QCOMPARE(log.charCount(), int(kept.size()));
        QVERIFY(log.lineCount() <= StatusLog::MaxLines);
        QVERIFY(log.charCount() <= StatusLog::MaxChars);
    }

    // Clear empties the page and takes with it what came before the click and waits for the
    // next frame; what comes after shows.
    void clearShouldEmptyThePageAndWhatWaits()
    {
        QTextEdit edit;
        StatusLog &log = StatusLog::of(&edit);
        echoInChunks(log, "0012345678\r0012345679\r", 5, false);
        log.echo("001234");
        edit.clear();
        QCOMPARE(log.lineCount(), 0);
        QCOMPARE(log.charCount(), 0);
        QVERIFY(!log.hasPending());
        log.echo("5680\r");
        log.flush();
        QCOMPARE(edit.toPlainText(), QString("5680\n"));
    }

    void shouldShowTheChunksOfAFrameTogether()
    {
        QTextEdit edit;
        StatusLog &log = StatusLog::of(&edit);
        QSignalSpy changes(edit.document(), &QTextDocument::contentsChange);
        log.echo("0012");
        log.echo("3456");
        log.echo("78\r");
        QCOMPARE(edit.toPlainText(), QString());
        QTRY_COMPARE(edit.toPlainText(), QString("0012345678\n"));
        QCOMPARE(changes.count(), 1);
    }

    // The page's own layout draws, scrolls and places the cursor as the edit's usual layout
    // does with one paragraph a line, also after text left from the top and text was added
    // to the last paragraph.
    void shouldDrawAsTheEditDoes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("leaveFromTop");
        QTest::addColumn<QString>("added");
        QTest::addColumn<bool>("toTheEnd");

        QString codes;
        for (int i = 0; i < 60; ++i)
            codes += QString::number(1000000000 + i) + QLatin1Char('\n');
        QString longLine;
        for (int i = 0; i < 200; ++i)
            longLine += QString::number(1000000000 + i);
        const QString words = "QKR1.20 some words that wrap at a word boundary once the line is longer than the "
                              "page is wide, and a few more\n\n" + longLine.left(300) + "\nend";
        QTest::newRow("key codes") << codes << 0 << QString() << false;
        QTest::newRow("key codes, at the end") << codes << 0 << QString() << true;
        QTest::newRow("a wrapped line") << longLine << 0 << QString() << true;
        QTest::newRow("words and an empty line") << words << 0 << QString() << false;
        QTest::newRow("lines left from the top") << codes + words << 11 * 23 + 4 << QString() << false;
        QTest::newRow("added to the last line") << codes + words << 11 * 23 << "more\nand more" << true;
        QTest::newRow("empty") << QString() << 0 << QString() << false;
    }
    void shouldDrawAsTheEditDoes()
    {
        QFETCH(QString, text);
        QFETCH(int, leaveFromTop);
        QFETCH(QString, added);
        QFETCH(bool, toTheEnd);
        QTextEdit usual;
        QTextEdit page;
        page.document()->setDocumentLayout(new StatusLayout(page.document()));
        for (QTextEdit *edit : {&usual, &page}) {
            edit->resize(521, 211);
            edit->show();
            QCoreApplication::processEvents();
        }
        QTextCursor(usual.document()).insertText(text.mid(leaveFromTop) + added);
        QTextCursor cursor(page.document());
        cursor.insertText(asPage(text));
        cursor.setPosition(0);
        cursor.setPosition(leaveFromTop, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(asPage(added));

        QCOMPARE(shown(page, toTheEnd), shown(usual, toTheEnd));
        QCOMPARE(page.verticalScrollBar()->maximum(), usual.verticalScrollBar()->maximum());
        for (const QPoint at : {QPoint(3, 3), QPoint(60, 30), QPoint(200, 100), QPoint(200, 109), QPoint(450, 190)})
            QCOMPARE(page.cursorForPosition(at).position(), usual.cursorForPosition(at).position());
    }
};

QTEST_MAIN(StatusLogTest)
#include "tst_status_log.moc"
