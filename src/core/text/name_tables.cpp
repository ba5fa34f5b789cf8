#include "core/text/name_tables.h"

// Built by static initialisation, before main: the pickers and the affix notation read them
// from the first window on. Code 0x00 is "NULL", four letters, not the
// usual three-letter abbreviation.
const QStringList ControlNames = {
    QStringLiteral("NULL"), QStringLiteral("SOH"), QStringLiteral("STX"), QStringLiteral("ETX"),
    QStringLiteral("EOT"),  QStringLiteral("ENQ"), QStringLiteral("ACK"), QStringLiteral("BEL"),
    QStringLiteral("BS"),   QStringLiteral("HT"),  QStringLiteral("LF"),  QStringLiteral("VT"),
    QStringLiteral("FF"),   QStringLiteral("CR"),  QStringLiteral("SO"),  QStringLiteral("SI"),
    QStringLiteral("DLE"),  QStringLiteral("DC1"), QStringLiteral("DC2"), QStringLiteral("DC3"),
    QStringLiteral("DC4"),  QStringLiteral("NAK"), QStringLiteral("SYN"), QStringLiteral("ETB"),
    QStringLiteral("CAN"),  QStringLiteral("EM"),  QStringLiteral("SUB"), QStringLiteral("ESC"),
    QStringLiteral("FS"),   QStringLiteral("GS"),  QStringLiteral("RS"),  QStringLiteral("US"),
};

// Index = the keyboard-country value the reader keeps. "U.K" has no full stop after the K.
// The names are the keyboard layouts the reader types for (translated where the page shows them).
const QStringList CountryNames = {
    QStringLiteral(QT_TRANSLATE_NOOP("Core", "USA")), QStringLiteral(QT_TRANSLATE_NOOP("Core", "U.K")), QStringLiteral(QT_TRANSLATE_NOOP("Core", "French")),
    QStringLiteral(QT_TRANSLATE_NOOP("Core", "German")), QStringLiteral(QT_TRANSLATE_NOOP("Core", "Italy")),
};
