#include "ctl/table/human_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <QVector>

#include <algorithm>
#include <cstring>

namespace Ctl {

namespace {

// A pattern a machine text is made from. reasons: the arguments (bit 0 for %1, ...) that are
// reasons themselves, said in the language too; the others (devices, files, numbers, values the
// user typed) are shown as they are. numbers: the arguments that are numbers; a text with
// anything else there is not of this pattern.
struct Pattern
{
    const char *context;
    const char *source;
    unsigned reasons = 0;
    unsigned numbers = 0;
};

constexpr unsigned R1 = 1, R2 = 2, R4 = 8, R5 = 16;

// Every text below is made in English elsewhere, word for word; lupdate finds them here. The
// core's own texts keep their context ("Core").
const Pattern Patterns[] = {
    // The command line.
    // The option parser's own words (Qt's, kept English for the JSON).
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "Unknown option '%1'.")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "Unknown options: %1.")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "Missing value after '%1'.")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "Unexpected value after '%1'.")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "no command given; see --help")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "unknown command \"%1\"; see --help")},
    //: %1 a command, %2 an option's name
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 does not take --%2; see keylon2ctl %1 --help")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "--%1 is given more than once")},
    //: %2: the values it takes, as they are typed ("cfg or json")
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "--%1 wants %2")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: wrong number of arguments; see --help")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "unexpected argument %1; see keylon2ctl %2 --help")},
    //: %1 a command, %2 the values its argument takes, as they are typed ("usb or serial")
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 wants %2")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 works on one reader; %2 were named"), 0, R2},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "--device and --all exclude each other")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "--jobs wants a number of readers (0: all at once)")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "--wait wants a number of seconds, 0 to %1"), 0, R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "--json and --format exclude each other")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "--watch takes every reader plugged in; it does not take --device")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "--%1 wants a file name")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1. Nothing was sent."), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 Nothing was sent."), R1},

    // Finding the readers.
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "no reader found")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 readers found, name one with --device: %2"), 0, R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "--device wants hid:PATH, serial:PORT, sn:SERIAL or usb:PORTPATH, "
                                                   "not \"%1\"")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "no reader at %1 (found: %2)")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 readers answer to %2 (%3); it cannot pick one: name it by "
                                                   "usb:PORTPATH or hid:PATH"), 0, R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 has no serial number; sn: cannot pick it")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 readers share the serial number %2 (%3); sn: cannot pick "
                                                   "them, name them by usb:PORTPATH or hid:PATH"), 0, R1},

    // Taking and opening a reader. %1 of the lock's texts: why no lock could be had.
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "no lock (%1); going on without one, as --no-lock asks")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "no lock can be had (%1); nothing was sent. Make the lock "
                                                   "directory %2 writable for this user, or give --no-lock to go on "
                                                   "without one")},
    //: %1 the program that holds the reader ("keylon2ctl (process 4242)")
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "busy: still in use by %1 after waiting %2 s"), R1, R2},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "busy: in use by %1; --wait SECONDS waits for it"), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 (process %2)"), R1, R2},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "a program")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "another process")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "cannot open %1: %2"), R2},
    {"Core", QT_TRANSLATE_NOOP("Core", "The reader is attached, but this user may not open %1. Install the udev "
                                       "rules (%2, see the README), then unplug and plug the reader in again.")},

    // A reader's work.
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "not started: interrupted")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "interrupted before anything was written")},
    //: %1: each key that read back otherwise, separated by "; "
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "verify failed: %1"), R1},
    //: %1 a key of the configuration file, %2 the value read back, %3 the value written
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is %2, wrote %3")},
    //: %1 a step of the exchange: status, options, output window, preamble, save command, ...
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "writing the %1 failed"), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "writing the %1 failed (%2)"), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "no answer to the %1 read"), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "no answer to the %1 read (%2)"), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "bad answer to the %1 read"), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "bad answer to the %1 read (%2)"), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the reader is gone, at the %1"), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the reader is gone, at the %1 (%2)"), R1},
    {"Core", QT_TRANSLATE_NOOP("Core", "status")},
    {"Core", QT_TRANSLATE_NOOP("Core", "options")},
    {"Core", QT_TRANSLATE_NOOP("Core", "output window")},
    {"Core", QT_TRANSLATE_NOOP("Core", "keyboard country")},
    {"Core", QT_TRANSLATE_NOOP("Core", "preamble")},
    {"Core", QT_TRANSLATE_NOOP("Core", "postamble")},
    {"Core", QT_TRANSLATE_NOOP("Core", "remove data")},
    {"Core", QT_TRANSLATE_NOOP("Core", "save command")},
    {"Core", QT_TRANSLATE_NOOP("Core", "interface change")},
    {"Core", QT_TRANSLATE_NOOP("Core", "ISP mode command")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the serial line is gone")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "a reader on USB HID types its key ID codes as keystrokes; "
                                                   "monitor needs a serial reader")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 lacks KBCountry in [KEYLON]: over USB HID write sends the "
                                                   "keyboard country and would reset it; add it, or change only what "
                                                   "the file sets with --partial or apply. Nothing was sent.")},
    //: %2: the keys the file lacks
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 lacks %2 in [KEYLON]: write sends every setting and would "
                                                   "reset those; add them, or change only what the file sets with "
                                                   "--partial or apply. Nothing was sent.")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 sets none of the reader's settings in [KEYLON].")},
    //: %2: why, as the system words it
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "Cannot read %1: %2.")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 holds no Keylon settings.")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "cannot read %1 again for the log: %2")},

    // The firmware update.
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "The firmware writer %1 was not found in %2; nothing was sent to "
                                                   "the reader.")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the firmware writer did not run to its end")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the firmware writer ended with exit code %1"), 0, R1},

    // The audit log and the metrics file.
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "cannot open the log %1: %2")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "cannot use %1 as the log: not a regular file")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the log %1 is closed")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "cannot write to the log %1: %2")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "cannot write to the log %1: only %2 of %3 bytes of a line went "
                                                   "out")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "cannot save the log %1: %2")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "cannot write the metrics %1: %2")},

    // A configuration file refused. %1 the file, %2 a key, %3 its value as written.
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2=%3: %4 is not a bracket name the notation knows; %5"), R5},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "write a name the notation knows (keylon2ctl --help-all lists "
                                                   "them) or any code as [0xHH]; a '[' itself is [0x5B]")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "write [%1]")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "write [%1] (code %2)")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2=%3: the '[' of %4 is never closed; close the name, or "
                                                   "write a '[' itself as [0x5B]")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: unknown key %2 in [KEYLON]")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: unknown key %2 in [KEYLON]; did you mean %3?")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: unknown key %2 in [KEYLON]; the key is spelled %3")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1; a '#' does not start a comment after a value: put the "
                                                   "comment on a line of its own"), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2 is given twice in [KEYLON] (lines %3 and %4), and only "
                                                   "the last line would count; keep the one line you mean")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: line %2: %3=%4: a ';' outside double quotes starts a "
                                                   "comment, so this reads as %3=%5; write %3=%6 to keep the ';', or "
                                                   "put a comment on a line of its own")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: the section [%2] is spelled [KEYLON]")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is saved as %2 (Notepad calls it \"Unicode\"); save it as "
                                                   "UTF-8")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2=%3 is not 0 or 1")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2=%3 is not a number")},
    //: %4: the range, "0 to 255"
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: %2=%3 is out of range: %4"), R4},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 to %2"), 0, R1 | R2},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 to %2 (%3)"), 0, R1 | R2},
    {"Core", QT_TRANSLATE_NOOP("Core", "%1; the reader keeps at most %2. Nothing was sent."), R1},
    {"Core", QT_TRANSLATE_NOOP("Core", "The %1 has %n codes"), R1},
    {"Core", QT_TRANSLATE_NOOP("Core", "the %1 has %n codes"), R1},
    {"Core", QT_TRANSLATE_NOOP("Core", "PreAmble")},
    {"Core", QT_TRANSLATE_NOOP("Core", "PostAmble")},
    {"Core", QT_TRANSLATE_NOOP("Core", "Remove Data")},

    // The configuration file's keys in --help-all.
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "0 or 1 (true and false are taken too)")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the preamble, postamble and remove data, in the bracket "
                                                   "notation; at most 31 codes each")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 to %2: the reader keeps one byte, and a read shows it "
                                                   "signed"), 0, R1 | R2},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "0 USB keyboard, 1 serial: the interface the file was read over; "
                                                   "never applied")},
    //: %1: the keyboard countries with their numbers
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1; not on the serial interface")},

    // doctor. %1 of most: a reader's node.
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the udev rule is switched off: %1 links to /dev/null")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "remove that link and run sudo udevadm control --reload-rules; "
                                                   "then unplug and plug the reader in again")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the udev rule %1 is not installed")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "install the keylon2-utility package, or copy %1 to "
                                                   "/etc/udev/rules.d/ and run sudo udevadm control --reload-rules; "
                                                   "then unplug and plug the reader in again")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the udev rule %1 gives the readers to the user at the seat only")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "install the package's rule, which also gives them to group "
                                                   "plugdev")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "the udev rule is installed: %1")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "running as root, which may open every node")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this session is at seat %1, whose user the udev rule hands the "
                                                   "readers")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this session has no seat (as over SSH); the readers come through "
                                                   "group plugdev, which this user is in")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this session has no seat (as over SSH): the seat's access does "
                                                   "not reach it")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "log in again: this user joined group plugdev after this session "
                                                   "began")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "join group plugdev: sudo usermod -aG plugdev %1, then log in "
                                                   "again")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "ModemManager is not running")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "ModemManager is running (pid %1)")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "brltty is installed: it takes over USB serial adapters it knows "
                                                   "when they are plugged in")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "if the reader's serial port vanishes when it is plugged in, "
                                                   "remove it: sudo apt-get remove brltty")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "brltty is not installed")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 cannot be opened: %2")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "unplug and plug the reader in again")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1, as root")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1, as its owner")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1, through the seat's ACL entry")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1, through group %2")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1, as every user may (mode %2)")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is not there to be opened")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this user may not open %1")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this user may not open %1 (owner %2, group %3, mode %4)")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "this user may not open %1 (owner %2, group %3, mode %4, no ACL "
                                                   "entry for this user)")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "install the udev rule (see above), then unplug and plug the "
                                                   "reader in again")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "unplug and plug the reader in again: the udev rule applies when "
                                                   "the reader is added")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "no other program holds %1")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is locked by %2 (%3)")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "end that program, or close the port in it")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is open in %2")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "end that program before using the reader: two programs on one "
                                                   "reader confuse each other's frames")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "in use by %1, which holds its lock %2"), R1},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "wait until it is done: another program is refused as busy, or "
                                                   "waits with keylon2ctl --wait SECONDS")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "ModemManager leaves %1 alone")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "ModemManager may probe %1 with AT commands, which the reader "
                                                   "takes for frames")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "install the udev rule, which marks the port to be left alone, "
                                                   "and plug the reader in again; or stop ModemManager: sudo "
                                                   "systemctl stop ModemManager")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "%1: only a reader's node is locked, and a reader whose node "
                                                   "cannot be opened has no lock")},
    {"Keylon2ctl", QT_TRANSLATE_NOOP("Keylon2ctl", "a service needs ReadWritePaths=%1; elsewhere make the directory, "
                                                   "writable by every user and sticky (mode 1777)")},
};

// A pattern as a regular expression: the literal parts as they are, each %N an argument
// (the same argument again where a %N comes back), %n a count.
struct Compiled
{
    const Pattern *pattern;
    QRegularExpression expression;
    QVector<int> groupOf;   // argument number (1..9) -> capture group; 0: not in the pattern
    int countGroup = 0;     // the capture of %n, when there is one
    int literal = 0;        // characters not in a placeholder: the more, the more telling the match
};

QVector<Compiled> compile()
{
    QVector<Compiled> compiled;
    for (const Pattern &pattern : Patterns) {
        Compiled entry{&pattern, {}, QVector<int>(10, 0), 0, 0};
        const QString source = QString::fromUtf8(pattern.source);
        QString expression = QStringLiteral("^");
        int group = 0;
        for (int i = 0; i < source.size(); ++i) {
            const QChar next = i + 1 < source.size() ? source.at(i + 1) : QChar();
            if (source.at(i) == QLatin1Char('%') && next.isDigit() && next != QLatin1Char('0')) {
                const int argument = next.digitValue();
                if (entry.groupOf[argument])
                    expression += QStringLiteral("\\g{%1}").arg(entry.groupOf[argument]);
                else {
                    entry.groupOf[argument] = ++group;
                    expression += pattern.numbers & (1u << (argument - 1)) ? QStringLiteral("(-?\\d+)")
                                                                            : QStringLiteral("(.*?)");
                }
                ++i;
            } else if (source.at(i) == QLatin1Char('%') && next == QLatin1Char('n')) {
                entry.countGroup = ++group;
                expression += QStringLiteral("(\\d+)");
                ++i;
            } else {
                expression += QRegularExpression::escape(QString(source.at(i)));
                ++entry.literal;
            }
        }
        expression += QLatin1Char('$');
        entry.expression = QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
        compiled.append(entry);
    }
    std::stable_sort(compiled.begin(), compiled.end(),
                     [](const Compiled &a, const Compiled &b) { return a.literal > b.literal; });
    return compiled;
}

const QVector<Compiled> &compiled()
{
    static const QVector<Compiled> patterns = compile();
    return patterns;
}

QTranslator *fullTexts = nullptr;

// Our translation as installed, with only keylon2ctl's context: the core's texts keep their
// English where keylon2ctl puts them into machine output.
class OwnContextOnly : public QTranslator
{
public:
    OwnContextOnly(QTranslator *texts, QObject *parent)
        : QTranslator(parent)
        , texts_(texts)
    {
    }
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override
    {
        if (std::strcmp(context, "Keylon2ctl") != 0)
            return QString();
        return texts_->translate(context, source, disambiguation, n);
    }
    bool isEmpty() const override { return texts_->isEmpty(); }

private:
    QTranslator *texts_;
};

// %1..%9 replaced at once, so that an argument holding a '%' is left alone.
QString filled(const QString &text, const QStringList &arguments)
{
    QString result;
    for (int i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (text.at(i) == QLatin1Char('%') && next.isDigit() && next.digitValue() >= 1
            && next.digitValue() <= arguments.size()) {
            result += arguments.at(next.digitValue() - 1);
            ++i;
        } else {
            result += text.at(i);
        }
    }
    return result;
}

QString said(const QString &english, int depth);

// A reason that no pattern knows may still be a list of reasons ("; " between them).
QString reasonSaid(const QString &english, int depth)
{
    const QString whole = said(english, depth);
    if (whole != english || !english.contains(QLatin1String("; ")))
        return whole;
    QStringList parts = english.split(QStringLiteral("; "));
    for (QString &part : parts)
        part = said(part, depth);
    return parts.join(QStringLiteral("; "));
}

QString said(const QString &english, int depth)
{
    if (!fullTexts || english.isEmpty() || depth > 4)
        return english;
    // A text may fit more than one pattern ("Cannot read X: why." then " Nothing was sent."
    // fits "%1. Nothing was sent." too): the first fit whose reasons are all known wins, else
    // the first fit.
    QString first;
    for (const Compiled &entry : compiled()) {
        const QRegularExpressionMatch match = entry.expression.match(english);
        if (!match.hasMatch())
            continue;
        const int count = entry.countGroup ? match.captured(entry.countGroup).toInt() : -1;
        QString translated = fullTexts->translate(entry.pattern->context, entry.pattern->source, nullptr, count);
        if (translated.isEmpty())
            translated = QString::fromUtf8(entry.pattern->source);
        if (entry.countGroup)
            translated.replace(QLatin1String("%n"), match.captured(entry.countGroup));
        QStringList arguments;
        bool known = true;
        for (int argument = 1; argument <= 9; ++argument) {
            const int group = entry.groupOf[argument];
            if (!group)
                break;
            const QString value = match.captured(group);
            const bool reason = entry.pattern->reasons & (1u << (argument - 1));
            arguments << (reason ? reasonSaid(value, depth + 1) : value);
            known = known && (!reason || value.isEmpty() || arguments.last() != value);
        }
        if (known)
            return filled(translated, arguments);
        if (first.isNull())
            first = filled(translated, arguments);
    }
    if (!first.isNull())
        return first;
    // "hid:/dev/hidraw3: busy: ...": a device or file, then a reason.
    static const QRegularExpression named(QStringLiteral("^([^ ]+?): (.+)$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = named.match(english);
    if (match.hasMatch()) {
        const QString reason = said(match.captured(2), depth + 1);
        if (reason != match.captured(2))
            return match.captured(1) + QStringLiteral(": ") + reason;
    }
    return english;
}

}  // namespace

QString human(const QString &english)
{
    QStringList lines = english.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        int indent = 0;
        while (indent < line.size() && line.at(indent) == QLatin1Char(' '))
            ++indent;
        line = line.left(indent) + said(line.mid(indent), 0);
    }
    return lines.join(QLatin1Char('\n'));
}

void installHumanTexts(QCoreApplication &app, QTranslator *texts)
{
    fullTexts = texts;
    if (!texts)
        return;
    QCoreApplication::removeTranslator(texts);
    QCoreApplication::installTranslator(new OwnContextOnly(texts, &app));
}

}  // namespace Ctl
