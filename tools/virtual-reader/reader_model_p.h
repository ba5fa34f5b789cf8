#pragma once

#include "reader_model.h"

#include <QElapsedTimer>

#include <deque>

// The state behind Model, shared by its accessors (reader_model.cpp) and its transport side
// (reader_transports.cpp). Every member is used under Model::mutex_.
namespace VirtualReader {

namespace Detail {

constexpr quint16 DefaultProductId = 0xF100;
constexpr quint16 DiagnosticProductId = 0xC141;
constexpr int SerialFrameGapMs = 1000;

constexpr char DisconnectedText[] = "device disconnected";

// Model::keepReceived: whether the readers keep what they receive.
bool keepingReceived();

inline QByteArray defaultVersion()
{
    return QByteArray("1.20\0\0\0\0", 8);
}

struct PendingAnswer
{
    QByteArray bytes;
    int lateLeft = 0;
};

}  // namespace Detail

using namespace Detail;

struct Model::Private
{
    Settings current;              // options, window, country and this interface's affixes
    Settings other;                // the affixes kept for the other interface
    Settings saved;
    Settings savedOther;
    QByteArray version = defaultVersion();
    Interface interface = Interface::UsbKeyboard;
    quint16 productId = DefaultProductId;
    bool diagnosticProduct = false;
    quint16 alsoProductId = 0;
    bool isp = false;
    bool pulled = false;
    int number = 1;                // which reader of the process; kept by reset()
    bool absent = false;           // left the process's set of readers; kept by reset()
    bool ownSerialNumber = false;  // serialNumber below replaces the usual one
    QString serialNumber;

    Faults faults;
    int writesUntilFailure = 0;
    int writesUntilVanish = -1;
    int framesSinceFaults = 0;

    // Counts one more frame and tells whether the gated faults hold for it.
    bool countFrame()
    {
        ++framesSinceFaults;
        return framesSinceFaults >= faults.faultsFromFrame;
    }
    bool gatedFaults() const { return framesSinceFaults >= faults.faultsFromFrame; }
    // One more frame has gone out to a reader that is to vanish after so many.
    void countTowardsVanish()
    {
        if (writesUntilVanish > 0 && --writesUntilVanish == 0) {
            pulled = true;
            endHidSession();
        }
    }

    quint64 session = 1;
    std::deque<PendingAnswer> hidAnswers;

    QList<QByteArray> frames;
    QList<QByteArray> answers;
    QByteArray serialStream;
    QByteArray serialPartial;      // bytes of a frame still being received
    QElapsedTimer lastSerialByte;
    int hidWriteAttempts = 0;

    bool onHid() const { return interface == Interface::UsbKeyboard && !isp && !pulled && !absent; }
    bool onSerial() const { return interface == Interface::Serial && !isp && !pulled && !absent; }

    // The reader leaves USB HID: every handle of this session goes dead.
    void endHidSession()
    {
        ++session;
        hidAnswers.clear();
    }

    Settings &affixTarget(Interface target) { return target == interface ? current : other; }

    void applyFrame(const QByteArray &frame);
    void queueHidAnswer(const QByteArray &answer, quint8 sequence);
};

}  // namespace VirtualReader
