#pragma once

#include "platform/sound/PulseLibrary.h"

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <pulse/sample.h>
#include <thread>

// A sound ready for the server: its sample format and its samples, whole frames only.
struct TWave {
    pa_sample_spec Spec{};
    QByteArray Samples;

    std::chrono::microseconds Length() const;

    // The bytes of one frame, one sample on every channel; 0 for a format no wave has.
    static std::size_t FrameSize(const pa_sample_spec& spec);
    // Whether the server could take a stream of this format.
    static bool Playable(const pa_sample_spec& spec);
};

// The thread that owns every call into the sound server (PulseAudio, or PipeWire
// through its PulseAudio service). The GUI thread only hands it the sound that is
// to play now and reads which sounds have ended; neither ever waits for the other
// nor for the server.
//
// Each sound plays on a stream of its own that is closed once the server has played
// it, so an idle program holds no stream that could wake it. A sound that cannot
// start within a moment (no server, a server that has stopped answering) is dropped
// and "plays" silently for its length instead: it never comes out late, in a burst
// when the server answers again. A lost server is looked for again after 1, 2, 4 ...
// up to 64 seconds, and at once whenever a sound is asked for.
//
// The thread opens the server's client library itself as it starts, so the program's
// first window never waits for it to load; without it every sound plays silently.
class TSoundThread {
public:
    // library names the sound server's client library; where it cannot be opened,
    // every sound plays silently.
    explicit TSoundThread(const char* library = kPulseLibraryFile);
    ~TSoundThread();
    TSoundThread(const TSoundThread&) = delete;
    TSoundThread& operator=(const TSoundThread&) = delete;

    // The sound to play from now on, cutting off the one before; nothing stops it.
    // Ids grow with every call.
    void Play(std::uint64_t id, TWave wave, bool loop);
    void Stop();

    // Waits until the sound id has ended, or for atMost; true when it has.
    bool WaitEnded(std::uint64_t id, std::chrono::milliseconds atMost);

    // The highest id of a sound that has ended by itself.
    std::uint64_t EndedId() const { return FEnded.load(std::memory_order_acquire); }

private:
    using TClock = std::chrono::steady_clock;

    struct TRequest {
        std::uint64_t Id = 0;
        TWave Wave;
        bool Loop = false;
        TClock::time_point Asked;
    };

    struct TVoice {
        TRequest Request;
        // Waiting for its stream; Playing on it; Silent, with no stream.
        enum { Waiting, Playing, Silent } State = Waiting;
        pa_stream* Stream = nullptr;
        qsizetype Written = 0;
        bool Draining = false;
        // When a sound that does not loop ends at the latest, once it plays or is silent.
        std::optional<TClock::time_point> EndBy;
    };

    // Everything below FThread's own runs on the thread, but for the mailbox.
    void Run();
    void TakeRequest();
    void CheckDeadlines();
    std::optional<TClock::time_point> NextDeadline() const;

    void Connect();
    void OnContext();
    void Lost();
    void Retry();
    void StartStream();
    void OnStream(pa_stream* stream);
    void Feed(std::size_t bytes);
    void Silence();
    void Finish();
    void Dispose(pa_stream* stream);

    const char* FLibraryFile;
    const TPulseLibrary* FPulse = nullptr;
    pa_mainloop* FLoop = nullptr;
    int FWake = -1;
    pa_context* FContext = nullptr;
    std::optional<TClock::time_point> FRetryAt;
    std::chrono::seconds FRetryAfter{1};
    std::optional<TVoice> FVoice;

    std::mutex FMutex;
    std::optional<TRequest> FNext; // guarded by FMutex, as is FNextTaken
    bool FNextTaken = true;
    std::condition_variable FEndedChanged;
    std::atomic<bool> FQuit{false};
    std::atomic<std::uint64_t> FEnded{0};
    std::thread FThread;
};
