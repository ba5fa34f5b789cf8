#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

#include <array>

class QTextStream;

#include "core/link/reader_list.h"
#include "ctl/output/reader_outcome.h"

namespace Ctl {

// --metrics FILE: what a station, or one run over readers, tells a Prometheus server through
// node exporter's textfile collector. The file is written whole to a temporary file beside it
// and renamed over it, so that the collector never reads half of it. Every series carries
// source="NAME" (the file's name without .prom): two stations on one machine, or a station
// and a check, never give the same series.
//
// Times are milliseconds since the epoch, passed in, so that the expiry can be tested without
// waiting for it.
class Metrics
{
public:
    enum class Scope {
        Station,  // apply --watch: up, written on every event
        Run,      // write, apply, diff, set-interface: written at the start and at the end
    };
    // A reader pulled out keeps its keylon2_reader_info series this long (a scrape or two
    // sees it go), then its labels leave: a station that sees thousands of readers over
    // months exports only those of the last minutes.
    static constexpr qint64 GoneKeepMs = 10 * 60 * 1000;
    // And at most this many gone readers at once (those gone longest leave first).
    static constexpr int MaxGoneReaders = 256;

    // check: results are what would change (apply --check, diff), and a reader that would
    // change is drift.
    Metrics(Scope scope, const QString &path, bool check, qint64 startMs);

    // A reader taken up (station: plugged in; run: selected).
    void takenUp(const ReaderList::Reader &reader, qint64 nowMs);
    // A reader done, as its result line says.
    void done(const ReaderOutcome &outcome, qint64 nowMs);
    // A reader pulled out.
    void gone(const ReaderList::Reader &reader, qint64 nowMs);
    // Drops the readers gone for GoneKeepMs. True when one left.
    bool expire(qint64 nowMs);
    // When the next gone reader is due to leave; -1: none is.
    qint64 nextExpiry() const;
    // The station ends: keylon2_station_up 0.
    void stationEnded() { up_ = false; }
    // The run ends with exitCode.
    void runEnded(int exitCode, qint64 nowMs);
    // firmware-update: the file also counts the updates by outcome (updated, unchanged, or the
    // failure's code).
    void countUpdates();

    // The file's content, in Prometheus' text format (version 0.0.4).
    QByteArray text() const;
    // Writes text() to PATH: a temporary file in PATH's directory (".NAME.XXXXXX", which the
    // collector skips), readable by all (the collector runs as a user of its own), synced,
    // then renamed over PATH. False, with *error, when that could not be done; PATH then
    // holds what it held.
    bool write(Message *error) const;
    // write(), and when it fails a line on `err` that says why, unless the write before failed
    // for the same reason: a station whose directory is missing says so once, not at every
    // reader.
    void writeOrSay(QTextStream &err);

private:
    struct Tracked
    {
        QString device;
        QString serialNumber;
        QString portPath;
        QString firmware;
        bool reported = false;  // done at least once: its firmware is known (or known to be unknown)
        bool attached = true;
        bool drift = false;     // the last check found it differing from the file
        qint64 goneMs = 0;
    };
    static constexpr int ResultCount = 6;

    // Gone before every reader attached, and the longest gone first.
    static bool leavesFirst(const Tracked &a, const Tracked &b);
    Tracked &track(const ReaderList::Reader &reader);
    void dropOldestGone();

    Scope scope_;
    QString path_;
    QByteArray source_;
    bool check_;
    qint64 startMs_;
    bool up_ = true;
    qint64 seen_ = 0;
    std::array<qint64, ResultCount> results_ {};  // by Result
    qint64 drift_ = 0;
    qint64 lastReaderMs_ = -1;
    qint64 lastFailureMs_ = -1;
    int exitCode_ = -1;   // Run: once ended
    qint64 endMs_ = -1;
    QList<Tracked> readers_;  // in the order they were first taken up
    QMap<QString, qint64> updates_;  // by outcome, once countUpdates() was called
    QString writeError_;      // the last write's, while writes fail
};

// A label value as the text format writes it between double quotes: backslash, double quote
// and line feed escaped. A reader's serial number is whatever its USB descriptor says.
QByteArray escapedLabel(const QString &value);

}  // namespace Ctl
