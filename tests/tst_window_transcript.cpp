// The window's behaviour as an operator meets it, step by step, against a committed transcript
// (tests/data/window_transcript.txt): the real window on the virtual reader over USB HID and
// over the serial line. After each step the transcript gets every frame the reader took and
// every answer it gave, every message box and which button was pressed, the firmware writer's
// dialog, every debug line, files written, and each named widget whose state changed. Times,
// process IDs, temporary paths and terminal numbers are replaced by fixed placeholders.
//
// A mismatch fails with the first differing lines and the step they belong to. When a change
// of behaviour is meant, run the test with KEYLON2_TRANSCRIPT_UPDATE=1: it then writes the
// golden file anew instead of comparing (review the diff before committing it).
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <functional>
#include <memory>

#include "build_paths.h"
#include "config_keys.h"
#include "core/link/reader_lock.h"
#include "core/platform/platform.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "window/app/mainwindow.h"
#include "window/settings_page/file_dialogs.h"

using VirtualReader::Model;

namespace {

const QString Golden = buildPath("KEYLON2_TEST_DATA", "/window_transcript.txt");

Model &model() { return Model::instance(); }

QString dialogAnswer;  // what the next file dialog returns; empty: cancelled
QString answerDialog(QWidget *, const QString &, const QString &, const QString &) { return dialogAnswer; }

// A frame or answer as hex; the zeros that pad an HID report are counted, not spelt out.
QString hex(const QByteArray &bytes)
{
    int end = bytes.size();
    while (end > 0 && bytes[end - 1] == '\0')
        --end;
    if (bytes.size() < 64 || end == bytes.size())
        return QString::fromLatin1(bytes.toHex(' '));
    return QString::fromLatin1(bytes.left(end).toHex(' ')) + QStringLiteral(" +%1x00").arg(bytes.size() - end);
}

QString oneLine(QString text)
{
    return text.replace('\\', "\\\\").replace('\n', "\\n").replace('\r', "\\r");
}

const QList<QPair<QMessageBox::StandardButton, QString>> ButtonNames = {
    {QMessageBox::Ok, "Ok"},         {QMessageBox::Save, "Save"},   {QMessageBox::Open, "Open"},
    {QMessageBox::Yes, "Yes"},       {QMessageBox::No, "No"},       {QMessageBox::Abort, "Abort"},
    {QMessageBox::Retry, "Retry"},   {QMessageBox::Ignore, "Ignore"}, {QMessageBox::Close, "Close"},
    {QMessageBox::Cancel, "Cancel"}, {QMessageBox::Discard, "Discard"}};

QString buttonsOf(QMessageBox::StandardButtons buttons)
{
    QStringList names;
    for (const auto &button : ButtonNames)
        if (buttons & button.first)
            names << button.second;
    return names.join('|');
}

QString iconOf(QMessageBox::Icon icon)
{
    const char *names[] = {"NoIcon", "Information", "Warning", "Critical", "Question"};
    return QString::fromLatin1(int(icon) >= 0 && int(icon) <= 4 ? names[int(icon)] : "other");
}

// What the connect button's icon shows, by the picture it carries.
QString iconName(const QIcon &icon)
{
    const QImage shown = icon.pixmap(32, 32).toImage();
    for (const char *name : {"connect_creating.png", "connect_established.png", "connect_no.png"})
        if (QIcon(QStringLiteral(":/image/") + name).pixmap(32, 32).toImage() == shown)
            return QString::fromLatin1(name);
    return icon.isNull() ? QStringLiteral("none") : QStringLiteral("other");
}

// One named widget's state, as the operator sees it: its own enabled and hidden flags (not
// those its parents pass down), its text, check, choice or page.
QString stateOf(QWidget *w)
{
    QStringList parts;
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        parts << "text=\"" + oneLine(edit->text()) + '"';
    else if (auto *text = qobject_cast<QTextEdit *>(w))
        parts << "text=\"" + oneLine(text->toPlainText()) + '"';
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(w))
        parts << "text=\"" + oneLine(plain->toPlainText()) + '"';
    else if (auto *label = qobject_cast<QLabel *>(w))
        parts << "text=\"" + oneLine(label->text()) + '"';
    else if (auto *combo = qobject_cast<QComboBox *>(w))
        parts << QStringLiteral("index=%1 \"%2\"").arg(combo->currentIndex()).arg(combo->currentText());
    else if (auto *tabs = qobject_cast<QTabWidget *>(w))
        parts << QStringLiteral("index=%1").arg(tabs->currentIndex());
    else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        if (!button->text().isEmpty())
            parts << "text=\"" + oneLine(button->text()) + '"';
        if (button->isCheckable())
            parts << QStringLiteral("checked=%1").arg(button->isChecked());
        if (w->objectName() == QLatin1String("ConnectBut"))
            parts << "icon=" + iconName(button->icon());
    }
    parts << QStringLiteral("enabled=%1").arg(!w->testAttribute(Qt::WA_ForceDisabled));
    parts << QStringLiteral("hidden=%1").arg(w->isHidden());
    if (!w->accessibleName().isEmpty())
        parts << "name=\"" + oneLine(w->accessibleName()) + '"';
    if (!w->toolTip().isEmpty())
        parts << "tip=\"" + oneLine(w->toolTip()) + '"';
    return parts.join(' ');
}

// Keeps a lock on a reader's node from another process, as another program using the reader.
class OtherHolder
{
public:
    explicit OtherHolder(const QString &node)
    {
        process_.start("/usr/bin/python3", {"-c",
                                            "import fcntl, os, sys\n"
                                            "fd = os.open(sys.argv[1], os.O_RDONLY | os.O_CREAT, 0o644)\n"
                                            "fcntl.flock(fd, fcntl.LOCK_EX)\n"
                                            "sys.stdin.read()\n",
                                            ReaderLock::lockFile(node)});
        process_.waitForStarted();
        ReaderFixture::waitUntil([&] { return ReaderLock::holderOf(node).has_value(); });
    }
    ~OtherHolder()
    {
        process_.kill();
        process_.waitForFinished();
    }
    qint64 pid() const { return process_.processId(); }

private:
    QProcess process_;
};

// One thing the operator does (or the reader, or the cable); its boxes are answered with
// `answer`, and after it the step waits for `until`, besides the program falling quiet.
struct Step
{
    Step(const char *name, std::function<void()> action, QMessageBox::StandardButton answer = QMessageBox::Yes,
         std::function<bool()> until = {})
        : name(QString::fromLatin1(name)), action(std::move(action)), answer(answer), until(std::move(until))
    {
    }
    QString name;
    std::function<void()> action;
    QMessageBox::StandardButton answer;
    std::function<bool()> until;
};

}  // namespace

class WindowTranscriptTest : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;
    QTemporaryDir dir;
    // The endpoint is made before any window and outlives them all, as the serial port's far side.
    std::unique_ptr<VirtualReader::SerialEndpoint> endpoint;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<OtherHolder> other;
    std::unique_ptr<DebugCapture> debug;  // made once the test runner has its own handler in

    QStringList transcript;
    QStringList notes;                          // what the step's action adds (files written)
    QMap<QString, QString> shown;               // widget name -> state at the last step
    QList<QPair<QString, QString>> placeholders;  // real text -> what the transcript says

    template<typename W = QWidget>
    W *widget(const char *name)
    {
        W *found = window->findChild<W *>(QString::fromLatin1(name));
        if (!found)
            QTest::qFail(qPrintable(QStringLiteral("no widget %1").arg(QLatin1String(name))), __FILE__, __LINE__);
        return found;
    }
    // A widget that is not there has failed the test already; the step then does nothing.
    void click(const char *name)
    {
        if (auto *button = widget<QAbstractButton>(name))
            button->click();
    }
    void type(const char *name, const QString &text)
    {
        auto *edit = widget<QLineEdit>(name);
        if (!edit)
            return;
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }
    void pick(const char *name, int index)
    {
        if (auto *combo = widget<QComboBox>(name))
            combo->setCurrentIndex(index);
    }
    void showPage(int index)
    {
        if (auto *tabs = widget<QTabWidget>("tabWidget"))
            tabs->setCurrentIndex(index);
    }
    QString statusText()
    {
        auto *page = widget<QTextEdit>("ScannerEdit");
        return page ? page->toPlainText() : QString();
    }

    QString portPath() const { return endpoint->portPath(); }
    void startSerialPort()
    {
        QVERIFY(ReaderFixture::startSerialReader(*endpoint));
        placeholders.prepend({portPath(), "<pty>"});
    }

    void startWindow()
    {
        window.reset();
        window.reset(new MainWindow);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        shown.clear();  // a new window: every widget is told
    }
    // The start-up port list comes once the window has painted; a serial reader's port is in
    // the field then.
    bool portListed()
    {
        auto *field = widget<QLineEdit>("SerialNameEdit");
        return !field || field->text() == portPath();
    }

    void connectSerial()
    {
        click("Searal_radcmd");
        type("SerialNameEdit", portPath());
        click("ConnectBut");
    }
    void writeFirmwareWriter(int exitCode)
    {
        QFile writer(Platform::firmwareWriterProgram());
        QVERIFY(writer.open(QIODevice::WriteOnly | QIODevice::Truncate));
        writer.write(QString("#!/bin/sh\necho \"writer $*\"\necho 'reader found, 100%'\nexit %1\n")
                         .arg(exitCode)
                         .toUtf8());
        writer.close();
        QVERIFY(writer.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    void holdingPid() { placeholders.prepend({QStringLiteral("(process %1)").arg(other->pid()), "(process <pid>)"}); }
    // The reader comes back from its loader: powered up from what it keeps.
    void readerBackFromLoader() { model().powerUp(model().stored()); }

    QString placeheld(QString line) const
    {
        for (const auto &p : placeholders)
            if (!p.first.isEmpty())
                line.replace(p.first, p.second);
        return line;
    }
    void add(const QString &line) { transcript << placeheld(line); }

    // What the program did since the last look: nothing new for a while, the step's own
    // condition met, or two seconds gone.
    void settle(const ModalCloser &closer, const std::function<bool()> &until)
    {
        if (until)
            ReaderFixture::waitUntil(until, 3000);
        auto marker = [&] {
            return QStringList{QString::number(model().receivedFrames().size()),
                               QString::number(model().sentAnswers().size()),
                               QString::number(debug->lines().size()), QString::number(closer.count()),
                               window ? statusText() : QString()};
        };
        const bool serial = window && window->linkState().connected && window->linkState().serialActive;
        const int quietMs = serial ? 250 : 40;  // the serial poll comes every 100 ms
        QElapsedTimer total, quiet;
        total.start();
        quiet.start();
        QStringList last = marker();
        while (quiet.elapsed() < quietMs && total.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(2);
            const QStringList now = marker();
            if (now != last) {
                last = now;
                quiet.restart();
            }
        }
    }

    void record(int number, const Step &step, const QStringList &pressed, const ModalCloser &closer,
                const QStringList &dialogs)
    {
        add(QStringLiteral("== %1 %2").arg(number, 2, 10, QChar('0')).arg(step.name));
        for (const QByteArray &frame : model().receivedFrames())
            add("  reader got:  " + hex(frame));
        for (const QByteArray &answer : model().sentAnswers())
            add("  reader sent: " + hex(answer));
        for (int i = 0; i < closer.count(); ++i) {
            const ModalCloser::Box &box = closer.boxes()[i];
            add(QStringLiteral("  box: %1 \"%2\" \"%3\" [%4] pressed %5")
                    .arg(iconOf(box.icon), box.title, oneLine(box.text), buttonsOf(box.buttons), pressed.value(i)));
        }
        for (const QString &dialog : dialogs)
            add("  dialog: " + dialog);
        for (const QString &note : notes)
            add("  " + note);
        for (const QString &line : debug->lines())
            if (!line.contains(QLatin1String("propagateSizeHints")))
                add("  debug: " + oneLine(line));
        if (!window)
            return;
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window.get());
        for (QWidget *w : widgets) {
            const QString name = w->objectName();
            // Qt's own parts (the tab bar's scroll buttons, shown or not as the style lays the
            // tabs out) are no part of the window's behaviour.
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || qobject_cast<QTabBar *>(w->parentWidget()))
                continue;
            // Compared as the transcript says it: a port that came back under another number
            // has not changed.
            const QString state = placeheld(w == window.get() ? QStringLiteral("visible=%1").arg(w->isVisible()) : stateOf(w));
            if (shown.value(name) != state)
                add("  " + name + ": " + state);
            shown[name] = state;
        }
    }

    void runStep(int number, const Step &step)
    {
        model().clearReceived();
        debug->clear();
        notes.clear();
        QStringList pressed, dialogs;
        ModalCloser closer(step.answer);
        closer.setInspector([&](QMessageBox *box) {
            QAbstractButton *button = box->button(step.answer);
            if (!button)
                button = box->buttons().value(0);
            pressed << (button ? buttonsOf(box->standardButton(button)) : QStringLiteral("none"));
        });
        // The firmware writer's dialog: closed once the writer has ended.
        closer.setDialogHandler([&](QDialog *dialog) {
            auto *close = dialog->findChild<QPushButton *>("closeButton");
            if (!close || !close->isEnabled() || dialog->property("closing").toBool())
                return;
            dialog->setProperty("closing", true);
            dialogs << QStringLiteral("\"%1\" output \"%2\" end \"%3\" pressed Close")
                           .arg(dialog->windowTitle(),
                                oneLine(dialog->findChild<QPlainTextEdit *>("writerOutput")->toPlainText()),
                                dialog->findChild<QLabel *>("writerEnd")->text());
            QTimer::singleShot(0, close, &QPushButton::click);
        });
        step.action();
        settle(closer, step.until);
        record(number, step, pressed, closer, dialogs);
    }

    QString fileText(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? oneLine(QString::fromUtf8(file.readAll())) : QStringLiteral("(none)");
    }

    QList<Step> steps();

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        debug.reset(new DebugCapture);
        bench.start();
        // The code pages follow the machine's locale; the transcript's are UTF-8's.
        Platform::setCodePages([] { return 65001u; }, [] { return 65001u; });
        FileDialogs::getSaveFileName = answerDialog;
        FileDialogs::getOpenFileName = answerDialog;
        QFile::remove("Default.cfg");
        QFile::remove(Platform::firmwareWriterProgram());
        endpoint.reset(new VirtualReader::SerialEndpoint(model()));
        placeholders = {{qEnvironmentVariable("KEYLON2_LOCK_DIR"), "<locks>"},
                        {dir.path(), "<tmp>"},
                        {QDir::currentPath(), "<cwd>"}};
        // The serial reader's port as the system lists it: by the reader's vendor.
        Platform::setPortEnumerator([this] {
            if (!endpoint->isRunning())
                return QList<Platform::PortRecord>();
            return QList<Platform::PortRecord>{
                {portPath(), "Keylon2 Key Reader", portPath(), "Keylon", VirtualReader::VendorId}};
        });
    }
    void cleanupTestCase()
    {
        other.reset();
        window.reset();
        endpoint.reset();
        FileDialogs::reset();
        bench.stop();
        debug.reset();
        QFile::remove("Default.cfg");
        QFile::remove(Platform::firmwareWriterProgram());
    }

    void shouldDoWhatTheTranscriptSays()
    {
        const QList<Step> all = steps();
        for (int i = 0; i < all.size(); ++i) {
            runStep(i + 1, all[i]);
            if (QTest::currentTestFailed())
                return;
        }
        transcript << QString();

        if (qEnvironmentVariableIntValue("KEYLON2_TRANSCRIPT_UPDATE") == 1) {
            QFile out(Golden);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(transcript.join('\n').toUtf8());
            qInfo("%s rewritten: %d steps, %d lines", qPrintable(Golden), int(all.size()), int(transcript.size()));
            return;
        }
        QFile in(Golden);
        QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(Golden + " is missing; KEYLON2_TRANSCRIPT_UPDATE=1 writes it"));
        const QStringList golden = QString::fromUtf8(in.readAll()).split('\n');
        // The first lines that differ, each with its step; after a line more or less every
        // later line differs, so a few are enough.
        QStringList report;
        QString wantStep, gotStep;
        int differing = 0;
        for (int i = 0; i < qMax(golden.size(), transcript.size()); ++i) {
            const QString want = golden.value(i, "(end of the transcript)");
            const QString got = transcript.value(i, "(end of the transcript)");
            if (want.startsWith(QLatin1String("== ")))
                wantStep = want;
            if (got.startsWith(QLatin1String("== ")))
                gotStep = got;
            if (want == got || ++differing > 4)
                continue;
            report << QStringLiteral("line %1, in step \"%2\":").arg(i + 1).arg(wantStep.mid(3))
                   << "  expected: " + want << "  actual:   " + got;
            if (gotStep != wantStep)
                report << "  (the window is at step \"" + gotStep.mid(3) + "\")";
        }
        if (differing == 0)
            return;
        report.prepend(QStringLiteral("the window did otherwise than %1 says, on %2 lines:").arg(Golden).arg(differing));
        report << "KEYLON2_TRANSCRIPT_UPDATE=1 rewrites the file when the change is meant.";
        QFAIL(qPrintable(report.join('\n')));
    }
};

QList<Step> WindowTranscriptTest::steps()
{
    const QString good = dir.filePath("good.cfg");
    const QString malformed = dir.filePath("malformed.cfg");
    const QString exported = dir.filePath("exported.cfg");
    const QString serialExport = dir.filePath("serial.cfg");
    using SB = QMessageBox::StandardButton;
    return {
        // ---- The reader on USB HID ----
        {"start with the reader on USB HID", [this] { startWindow(); }},
        {"connect over USB HID", [this] { click("USBKB_radcmd"); click("ConnectBut"); }},
        {"type the preamble", [this] { type("PreAmbleEdit", "AB"); }},
        // A field is in reach only while its switch is on: switched on first, then typed into.
        {"switch the postamble", [this] { click("PostAmbleChk"); }},
        {"type the postamble", [this] { type("PostAmbleEdit", "xyz"); }},
        {"switch remove data", [this] { click("RemoveDataChk"); }},
        {"type the remove data", [this] { type("RemoveDataEdit", "OUT"); }},
        {"pick a control code for the preamble", [this] { pick("Pre_cmb", 13); }},
        {"pick a control code for the postamble", [this] { pick("Post_cmb", 10); }},
        {"pick a control code for the remove data", [this] { pick("Remove_cmb", 3); }},
        {"switch the preamble", [this] { click("PreAmbleChk"); }},
        {"switch remove ID code", [this] { click("RemoveIDCodeChk"); }},
        {"switch auto report", [this] { click("AutoReportChk"); }},
        {"switch the buzzer", [this] { click("BuzzerEnableChk"); }},
        {"type the output start", [this] { type("KLNOutStartEdit", "2"); }},
        {"type the output length", [this] { type("KLNOutLengthEdit", "10"); }},
        {"pick the keyboard country", [this] { pick("KB_cmb", 3); }},
        {"Set Status", [this] { click("SetKLNStatusBut"); }},
        {"Get Status", [this] { click("GetKLNStatusBut"); }},
        {"switch remove data back", [this] { click("RemoveDataChk"); }},
        {"switch the preamble off and on", [this] { click("PreAmbleChk"); click("PreAmbleChk"); }},
        {"Set Status again", [this] { click("SetKLNStatusBut"); }},
        {"Default without a default file", [this] { click("DefaultBut"); }, SB::Ok},
        {"Default with a default file",
         [this] {
             QFile file("Default.cfg");
             QVERIFY(file.open(QIODevice::WriteOnly));
             file.write("[FW]\nVer=9.99\n[KEYLON]\nInterface=0\nPreEnable=1\nPre=D[CR]\nKBCountry=2\nOutputLength=6\n");
             file.close();
             click("DefaultBut");
         },
         SB::Ok},
        {"Export", [this, exported] { dialogAnswer = exported; click("ExportBut"); notes << "file: " + fileText(exported); }},
        {"Export cancelled", [this] { dialogAnswer.clear(); click("ExportBut"); }, SB::Ok},
        {"Import a good file",
         [this, good] {
             ConfigKeys::Values values = ConfigKeys::base();
             values["Pre"] = "[STX]G";
             values["PreEnable"] = "1";
             QFile file(good);
             QVERIFY(file.open(QIODevice::WriteOnly));
             file.write(ConfigKeys::fileText(values));
             file.close();
             dialogAnswer = good;
             click("ImportBut");
         }},
        {"Import cancelled", [this] { dialogAnswer.clear(); click("ImportBut"); }, SB::Ok},
        {"Import a malformed file",
         [this, malformed] {
             QFile file(malformed);
             QVERIFY(file.open(QIODevice::WriteOnly));
             file.write("[KEYLON]\nPreEnable=1\nPre=AB\nthis line is no key\n");
             file.close();
             dialogAnswer = malformed;
             click("ImportBut");
         },
         SB::Ok},
        {"Import another program's file",
         [this] { dialogAnswer = buildPath("KEYLON2_TEST_DATA", "/config/foreign.ini"); click("ImportBut"); }, SB::Ok},
        {"Set Status with the imported page", [this] { click("SetKLNStatusBut"); }},
        {"switch the preamble off and on", [this] { click("PreAmbleChk"); click("PreAmbleChk"); }},
        {"type a preamble of 32 codes", [this] { type("PreAmbleEdit", QString("[CR]").repeated(32)); }},
        {"Set Status with an affix too long", [this] { click("SetKLNStatusBut"); }, SB::Ok},
        {"type a preamble of 31 codes", [this] { type("PreAmbleEdit", "[STX]" + QString("x").repeated(30)); }},
        {"Set Status with 31 codes", [this] { click("SetKLNStatusBut"); }},
        {"Get Status reads the 31 codes back", [this] { click("GetKLNStatusBut"); }},
        {"show the Status page", [this] { showPage(0); }},
        {"Scan", [this] { click("TrigBut"); }},
        {"Clear", [this] { click("ClearBut"); }},
        {"show the Setting page", [this] { showPage(1); }},
        {"FW Update without a firmware writer", [this] { click("FWUpdateBut"); }, SB::Ok},
        {"pull the cable out", [] { model().pullOut(); }},
        {"Get Status with the cable out", [this] { click("GetKLNStatusBut"); }},
        {"Set Status with the cable out", [this] { click("SetKLNStatusBut"); }, SB::Ok},
        {"disconnect", [this] { click("ConnectBut"); }},
        {"connect with the cable still out", [this] { click("ConnectBut"); }, SB::Ok},
        {"plug the cable in and connect", [this] { model().plugIn(); click("ConnectBut"); }},
        {"Change Mode, answered No", [this] { click("ChangeModeBut"); }, SB::No},
        {"Change Mode to serial", [this] { click("ChangeModeBut"); }},

        // ---- The reader on its serial interface ----
        {"start with the reader on the serial line",
         [this] { startSerialPort(); startWindow(); }, SB::Yes, [this] { return portListed(); }},
        {"connect over the serial line", [this] { click("ConnectBut"); }},
        {"show the Status page", [this] { showPage(0); }},
        {"the reader reads a key", [this] { QVERIFY(endpoint->sendIdCode("0012345678")); }, SB::Yes,
         [this] { return statusText().contains("0012345678"); }},
        {"the reader reads another key", [this] { QVERIFY(endpoint->sendIdCode("0087654321")); }, SB::Yes,
         [this] { return statusText().contains("0087654321"); }},
        {"Clear", [this] { click("ClearBut"); }},
        {"show the Setting page", [this] { showPage(1); }},
        {"type the preamble", [this] { type("PreAmbleEdit", "S1"); }},
        {"switch the postamble", [this] { click("PostAmbleChk"); }},
        {"type the output start", [this] { type("KLNOutStartEdit", "1"); }},
        {"Set Status over the serial line", [this] { click("SetKLNStatusBut"); }},
        {"Get Status over the serial line", [this] { click("GetKLNStatusBut"); }},
        {"Export over the serial line",
         [this, serialExport] { dialogAnswer = serialExport; click("ExportBut"); notes << "file: " + fileText(serialExport); }},
        {"switch remove data", [this] { click("RemoveDataChk"); }},
        {"type a remove data of 40 codes", [this] { type("RemoveDataEdit", QString("r").repeated(40)); }},
        {"Set Status with an affix too long", [this] { click("SetKLNStatusBut"); }, SB::Ok},
        {"type the remove data", [this] { type("RemoveDataEdit", "R"); }},
        {"FW Update with a firmware writer",
         [this] { writeFirmwareWriter(0); click("FWUpdateBut"); }, SB::Yes,
         [] { return model().inIspMode(); }},
        {"the reader is back from its loader; connect", [this] { readerBackFromLoader(); click("ConnectBut"); }},
        {"disconnect", [this] { click("ConnectBut"); }},
        {"connect while another program holds the reader",
         [this] { other.reset(new OtherHolder(ReaderLock::nodeOf(portPath()))); holdingPid(); click("ConnectBut"); },
         SB::Ok},
        {"the other program ends; connect", [this] { other.reset(); click("ConnectBut"); }},
        {"pull the cable out", [this] { endpoint->stop(); }, SB::Ok,
         [this] { return !window->linkState().connected; }},
        {"plug the cable in and connect",
         [this] { startSerialPort(); connectSerial(); }},
        {"Change Mode to USB KB", [this] { click("ChangeModeBut"); }, SB::Yes,
         [] { return model().currentInterface() == VirtualReader::Interface::UsbKeyboard; }},

        // ---- Back on USB HID ----
        {"start with the reader on USB HID again", [this] { endpoint->stop(); startWindow(); }},
        {"connect while another program holds the reader",
         [this] { other.reset(new OtherHolder(QString::fromLatin1(model().hidPath()))); holdingPid(); click("ConnectBut"); },
         SB::Ok},
        {"the other program ends; connect", [this] { other.reset(); click("ConnectBut"); }},
        {"FW Update with a writer that fails", [this] { writeFirmwareWriter(2); click("FWUpdateBut"); }},
        {"connect while the reader is in its loader", [this] { click("ConnectBut"); }},
        {"the reader is back from its loader; connect", [this] { readerBackFromLoader(); click("ConnectBut"); }},
        {"switch remove ID code", [this] { click("RemoveIDCodeChk"); }},
        {"Set Status", [this] { click("SetKLNStatusBut"); }},
        {"the serial transport chosen", [this] { click("Searal_radcmd"); }},
        {"the USB KB transport chosen again", [this] { click("USBKB_radcmd"); }},
        {"disconnect", [this] { click("ConnectBut"); }},
        {"unplug the reader and connect", [this] { model().setHidProductId(0); click("ConnectBut"); }},
        {"plug the reader in and connect", [this] { model().setHidProductId(0xF100); click("ConnectBut"); }},
        {"close the window", [this] { window->close(); }},
    };
}

QTEST_MAIN(WindowTranscriptTest)
#include "tst_window_transcript.moc"
