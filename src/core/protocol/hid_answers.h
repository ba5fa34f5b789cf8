#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

#include "core/settings/settings_record.h"

// The reader's answers over USB HID, as hidraw gives them: 64 bytes, no report ID. Byte 48
// carries the complement of the request's sequence number (see Frames::answerMatches).
// Bytes past the end of a short answer read as 0; nothing is read outside the answer.
namespace HidAnswers {

// The status answer: option byte at 8, output start and length at 9 and 10, keyboard
// country at 13 (signed: the page takes it as an index), the version's 8 bytes from 56.
// Fills the version, the options, the output window and the country of the record.
SettingsRecord parseStatus(const QByteArray &answer);

// An affix answer: the count L at 0, the codes from 1, the checksum at L + 1 over bytes 0
// to L. The codes when L <= 31 and the checksum holds; no value otherwise.
std::optional<QByteArray> parseAffix(const QByteArray &answer);

// The one-shot status read (the Status page's) finds everything one byte further on:
// options at 9, output window at 10 and 11, version from 55; in its affix answers the count
// at 1, the codes from 2, the checksum at L + 2 over bytes 0 to L + 1.
SettingsRecord parseOneShotStatus(const QByteArray &answer);
std::optional<QByteArray> parseOneShotAffix(const QByteArray &answer);

constexpr int VersionLength = 8;

}  // namespace HidAnswers
