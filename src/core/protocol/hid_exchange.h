#pragma once

// Bounds of one HID request and answer exchange.
namespace HidExchange {

constexpr int MaxWrites = 4;         // the request and three retries; the fourth never counts
constexpr unsigned AnswerPauseMs = 300;  // before each read: the reader needs it to answer
constexpr int ReadTimeoutMs = 10;
constexpr int MaxReads = 10;         // about three seconds for a reader that never answers

}  // namespace HidExchange
