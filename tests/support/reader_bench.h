#pragma once

#include <functional>
#include <memory>

#include "core_support.h"
#include "serial_endpoint.h"

// The virtual reader for the tests that talk to it, with or without a window.
namespace ReaderFixture {

// The virtual reader in its factory state: on USB HID as product 0xF100, nothing received.
void resetReader();

// Where each test that talks to the reader starts: call start() from init(), stop() from
// cleanup(). start() resets the reader and the platform's seams and shortens the pauses to a
// tenth (recorded, see FastPauses); stop() restores the seams.
class Bench
{
public:
    void start();
    void stop();
    FastPauses &pauses() { return *fast_; }

private:
    std::unique_ptr<FastPauses> fast_;
};

// The reader switched to its serial interface and answering behind the endpoint, which is
// started when it is not running yet. False when no pseudo-terminal could be had.
bool startSerialReader(VirtualReader::SerialEndpoint &endpoint);

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 5000);

// Until the reader has taken in at least this many serial bytes / frames (both transports).
bool waitForSerialBytes(int count, int timeoutMs = 5000);
bool waitForFrames(int count, int timeoutMs = 5000);

}  // namespace ReaderFixture
