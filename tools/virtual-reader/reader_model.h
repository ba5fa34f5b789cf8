#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The virtual reader: one model of the Keylon2 reader that both virtual transports share
// (the hidapi stand-in library and the pseudo-terminal endpoint). Thread-safe: the serial
// endpoint answers from a thread of its own, and several threads may each drive a reader of
// their own at once.
//
// One process can hold several readers, each a model of its own with its own USB HID node and
// serial number. Reader 1 is instance(); the others are numbered 2, 3, ... in the order they
// came.
namespace VirtualReader {

constexpr quint16 VendorId = 0x0416;

enum class Interface { UsbKeyboard = 0, Serial = 1 };

// What the reader keeps.
struct Settings
{
    quint8 options = 0x1C;        // preamble, auto report and buzzer on
    quint8 outputStart = 0;
    quint8 outputLength = 8;
    quint8 kbCountry = 0;
    QByteArray pre, post, remove;  // device codes, at most 31 each
};

// A field of the settings record that the reader can keep otherwise than it was written.
enum class Field { None, OutputStart, OutputLength, KBCountry, Pre, Post, Remove };

// Faults the tests switch on. All are off after reset(). failWriteNumber and
// vanishAfterWrites count HID writes (hid_write calls) from the setFaults() call on.
struct Faults
{
    int failWriteNumber = 0;      // the Nth write from now fails (1 = the next one); 0 none
    bool failAllWrites = false;   // every write fails (on the serial line: the bytes are lost)
    bool failReads = false;       // every HID read fails (-1)
    bool noAnswer = false;        // writes are taken, nothing is answered (both transports)
    int lateReads = 0;            // each HID answer shows only after this many empty reads
    bool staleFirst = false;      // an answer to an older request comes before each answer
    bool badChecksum = false;     // HID affix answers carry a wrong checksum
    bool countAbove31 = false;    // HID affix answers say 32 codes (with a right checksum)
    int vanishAfterWrites = -1;   // after this many more writes the reader is pulled out; -1 never
    bool splitSerialAnswers = false;  // serial answers reach the line in two parts, apart in time
    bool serialGarbage = false;   // serial answers are replaced by bytes without the header
    bool openRefused = false;     // listed on USB HID, but every open is refused, as when the
                                  // hidraw node belongs to root
    bool garbleAnswers = false;   // answers are noise: over USB HID a report that pairs with no
                                  // request, on the serial line bytes with neither header nor
                                  // final 0x0D
    int serialAnswerDelayMs = 0;  // each serial answer leaves this long after its frame came
    bool openFails = false;       // listed on USB HID, but every open fails for a reason other
                                  // than permission (an I/O error)
    // Writes are taken, but the reader keeps what it was sent otherwise, as one whose memory
    // has gone bad: these option bits flipped, and the field named one up (a number plus one,
    // an affix with its last code plus one, or one code where it should be empty).
    quint8 storesOptionsFlipped = 0;
    Field storesWrong = Field::None;
    // failAllWrites, noAnswer, lateReads, garbleAnswers and serialAnswerDelayMs hold only from
    // the Nth frame after the setFaults() call on (HID writes, failed ones included, and serial
    // frames); 0 or 1: from the first. vanishAfterWrites counts serial frames as well.
    int faultsFromFrame = 0;
};

class Model
{
public:
    static Model &instance();           // reader 1
    ~Model();

    // ---- the readers of this process ----
    // A reader is never destroyed once made: one that leaves keeps its object, so a handle or
    // endpoint still holding it fails as with a reader pulled out, never touching freed memory.
    static constexpr int MaxReaders = 256;
    static int count();                 // readers present; 1 at start
    // Readers 1 to count are present afterwards (count clamped to 0..MaxReaders). Readers that
    // come are in factory state; readers that leave end their USB HID session and fall silent.
    static void setCount(int count);
    static Model &add();                // one more reader, in factory state
    static Model *reader(int number);   // 1-based; nullptr when that reader is not present
    // Sets up the readers as a program linked to the hidapi stand-in is told to (the values of
    // KEYLON2_VIRTUAL_HID_READERS and KEYLON2_VIRTUAL_HID_FAILING; null: not set): how many are
    // present, and which of them fail every USB HID write. Returns what it could not take, one
    // line each; a count it cannot take leaves the count as it is.
    static QStringList setUpFromEnvironment(const char *readers, const char *failing);
    // USB HID handles of all readers open now, and the most that were open at once since the
    // last clearMostHidHandlesOpen(): one handle per reader, as a tool working several at once
    // holds them.
    static int hidHandlesOpen();
    static int mostHidHandlesOpen();
    static void clearMostHidHandlesOpen();
    static void hidHandleOpened();      // the hidapi stand-in's open and close
    static void hidHandleClosed();

    int number() const;                 // 1 for instance()
    bool present() const;
    QString serialNumber() const;       // "KLN2-000001" for reader 1, "KLN2-000002", ...
    // Another serial number ("" for none), as two readers of a batch may share one, until
    // reset().
    void setSerialNumber(const QString &serialNumber);
    // The USB socket it sits in, as sysfs names it: "1-1.1" for reader 1, "1-1.2", ...
    QString portPath() const;
    QByteArray hidPath() const;         // "/dev/virtual-hidraw1", ...: never a real node
    // The products it answers as on USB HID now: its own and, when presented, 0xC141. Empty
    // when it is not on USB HID (serial interface, ISP mode, pulled out, not present).
    QList<quint16> hidProductIds() const;

    Model(const Model &) = delete;
    Model &operator=(const Model &) = delete;

    // Factory state: settings above, version "1.20", on the USB keyboard interface as
    // product 0xF100, nothing received, no faults, not saved, not in ISP mode.
    void reset();

    // USB HID identity; 0 means no reader answers on USB HID.
    void setHidProductId(quint16 productId);
    quint16 hidProductId() const;

    Settings settings() const;         // the working settings (what writes changed)
    void setSettings(const Settings &settings);
    Settings savedSettings() const;     // what the last save kept
    Settings otherInterfaceSettings() const;  // affixes stored for the other interface
    // The reader keeps one set of affixes per interface (options, output window and country
    // are shared). settings() shows the set of the current interface, otherInterfaceSettings()
    // the other set; an interface change makes them trade places. This view does not move.
    Settings interfaceSettings(Interface interface) const;
    QByteArray version() const;         // 8 bytes as the HID status answer carries them
    void setVersion(const QByteArray &version);

    Interface currentInterface() const;
    void setInterface(Interface interface);
    bool inIspMode() const;
    bool pulledOut() const;
    void pullOut();                     // the reader is unplugged now
    void plugIn();                      // undoes a vanish

    // What the reader keeps while it is unplugged: the saved settings (with the affixes saved
    // for the other interface), the interface it is on and its version.
    struct Stored
    {
        Settings saved;
        Settings savedOther;            // only the affixes count
        Interface interface = Interface::UsbKeyboard;
        QByteArray version = QByteArray("1.20\0\0\0\0", 8);
    };
    Stored stored() const;
    // The reader starts up from what it keeps: working settings as saved, out of ISP mode, a
    // new USB HID session. Faults, received frames, number and presence stay as they are.
    void powerUp(const Stored &stored);

    // The reader also answers hid_open with product 0xC141 (the diagnostic dump's product) as
    // another name for itself. Off after reset().
    void setDiagnosticProductPresent(bool present);
    bool diagnosticProductPresent() const;
    // The reader also answers hid_open with this product ID (0: none), as one that goes by
    // both of the utility's IDs. None after reset().
    void setAlsoAnswersTo(quint16 productId);

    Faults faults() const;
    void setFaults(const Faults &faults);

    // Every frame received, byte for byte, in order: HID reports as written (65 bytes with
    // the report ID), serial frames as cut from the line.
    QList<QByteArray> receivedFrames() const;
    QByteArray serialBytesReceived() const;  // the raw serial stream
    int hidWriteAttempts() const;       // hid_write calls, failed ones included
    // Every answer sent, in order: HID input reports (64 bytes) as the program read them,
    // serial answers as they were handed to the line.
    QList<QByteArray> sentAnswers() const;
    void clearReceived();               // also zeroes hidWriteAttempts() and forgets the answers
    // Whether every reader keeps what it receives (the default). A program that runs for long
    // and never looks (a station on the plug directory) turns it off, or its memory grows with
    // every frame.
    static void keepReceived(bool keep);

    // ---- used by the transports ----
    // An HID output report arrives. Returns false when the write fails (fault or pulled out).
    bool hidWrite(const QByteArray &report);
    // The next input report (64 bytes, no report ID); 0 bytes when nothing is due, -1 error.
    int hidRead(QByteArray &answer);
    // Bytes arrive on the serial line; returns what the reader sends back (possibly nothing).
    // The line keeps every byte and frame it carries (unless failAllWrites loses them), but
    // the reader applies and answers frames only while it is on the serial interface.
    QList<QByteArray> serialReceive(const QByteArray &bytes);
    // How long the answers serialReceive() just gave wait before they leave (the late fault).
    int serialAnswerDelayMs() const;
    // What the reader sends on the serial line when it reads a key: the preamble codes when
    // enabled, the ID code, the postamble codes when enabled. Empty when it is not on the
    // serial interface.
    QByteArray serialIdCodeOutput(const QByteArray &idCode) const;

    // A handle belongs to one session of the reader on USB HID; the session ends when the
    // reader leaves (pulled out, interface change, ISP mode, reset), and its handles fail for
    // good. 0 means the reader cannot be opened now.
    quint64 hidOpen(quint16 vendorId, quint16 productId);
    quint64 hidOpenNode();              // by its node, as whatever product it answers as
    bool hidWrite(quint64 session, const QByteArray &report, QString *error);
    // One look for an answer. A non-blocking look counts as one of the empty reads that a late
    // answer lets pass (*late tells when one is held back); a blocking one takes it at once.
    int hidRead(quint64 session, QByteArray &answer, bool blocking, QString *error,
                bool *late = nullptr);

private:
    explicit Model(int number = 1);
    mutable QMutex mutex_;
    struct Private;
    Private *d;
};

}  // namespace VirtualReader
