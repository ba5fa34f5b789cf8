#pragma once

#include <QList>
#include <QStringList>

// What every test program may use, with or without widgets.

// Collects the lines written to the debug channel while it lives (and still passes them on
// when KEYLON2_TEST_VERBOSE is set).
class DebugCapture
{
public:
    DebugCapture();
    ~DebugCapture();
    DebugCapture(const DebugCapture &) = delete;
    DebugCapture &operator=(const DebugCapture &) = delete;

    QStringList lines() const;
    bool contains(const QString &line) const;   // an exact line
    int count(const QString &line) const;
    void clear();
};

// Makes the program's pauses take a tenth of their time (at least 1 ms) and records each
// asked-for pause. Restores the real pause when it goes.
class FastPauses
{
public:
    explicit FastPauses(int divisor = 10);
    ~FastPauses();
    QList<unsigned> requested() const;
    void clear();
};
