#pragma once

#include <cstddef>
#include <cstdint>

// Where spoken audio goes: mono signed 16-bit samples. Only the speech worker thread calls
// it, so an implementation may block in any call. It is an interface so the phrase queue
// can be tested without a sound server and the program can run without one.
class AudioOutput
{
public:
    virtual ~AudioOutput() = default;

    // Connects to the device; true when audio can be written. Opening an open output
    // keeps it as it is.
    virtual bool open(int sampleRate) = 0;
    virtual bool isOpen() const = 0;

    // Blocks while the device's buffer is full, so a caller writing small chunks keeps
    // pace with playback. False means the device is gone; the caller closes the output.
    virtual bool write(const int16_t* samples, std::size_t count) = 0;

    // Waits until everything written has been played.
    virtual void drain() = 0;

    // Disconnects at once, discarding audio not yet played.
    virtual void close() = 0;
};
