#include "platform/sound/SoundThread.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// How long a sound may take to start before it is dropped: longer means the server
// is not answering, and the sound would come out late.
constexpr std::chrono::milliseconds kStartWithin{400};

// How long past its own length a sound may take to come out of the server before the
// channel stops waiting for it.
constexpr std::chrono::milliseconds kLate{1500};

constexpr std::chrono::seconds kRetryAtMost{64};

// The server's buffer for a stream: small, so a sound starts as soon as it can; the
// whole sound is handed over at once anyway.
constexpr std::chrono::milliseconds kTargetLatency{20};

pa_proplist* Properties(const TPulseLibrary& pa) {
    pa_proplist* props = pa.pa_proplist_new();
    pa.pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Quorvel");
    pa.pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "io.github.quorvel.quorvel");
    pa.pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, "io.github.quorvel.quorvel");
    pa.pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
    return props;
}

// The bytes of one sample of each format a wave can bring, as the server counts them.
std::size_t SampleSize(pa_sample_format_t format) {
    switch (format) {
    case PA_SAMPLE_U8:
        return 1;
    case PA_SAMPLE_S16LE:
        return 2;
    case PA_SAMPLE_S24LE:
        return 3;
    case PA_SAMPLE_S32LE:
    case PA_SAMPLE_FLOAT32LE:
        return 4;
    default:
        return 0;
    }
}

void DrainWake(int fd) {
    eventfd_t count;
    eventfd_read(fd, &count);
}

} // namespace

std::size_t TWave::FrameSize(const pa_sample_spec& spec) {
    return SampleSize(spec.format) * spec.channels;
}

bool TWave::Playable(const pa_sample_spec& spec) {
    return FrameSize(spec) > 0 && spec.channels <= PA_CHANNELS_MAX && spec.rate > 0 &&
           spec.rate <= PA_RATE_MAX;
}

std::chrono::microseconds TWave::Length() const {
    const std::size_t frame = FrameSize(Spec);
    if (frame == 0 || Spec.rate == 0) return {};
    return std::chrono::microseconds(std::uint64_t(Samples.size()) / frame * 1'000'000u /
                                     Spec.rate);
}

TSoundThread::TSoundThread(const char* library) : FLibraryFile(library) {
    FWake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    FThread = std::thread([this] { Run(); });
}

TSoundThread::~TSoundThread() {
    FQuit.store(true);
    eventfd_write(FWake, 1);
    FThread.join();
    close(FWake);
}

void TSoundThread::Play(std::uint64_t id, TWave wave, bool loop) {
    {
        std::lock_guard lock(FMutex);
        FNext = TRequest{id, std::move(wave), loop, TClock::now()};
        FNextTaken = false;
    }
    eventfd_write(FWake, 1);
}

void TSoundThread::Stop() {
    {
        std::lock_guard lock(FMutex);
        FNext.reset();
        FNextTaken = false;
    }
    eventfd_write(FWake, 1);
}

bool TSoundThread::WaitEnded(std::uint64_t id, std::chrono::milliseconds atMost) {
    std::unique_lock lock(FMutex);
    return FEndedChanged.wait_for(lock, atMost, [&] { return EndedId() >= id; });
}

void TSoundThread::Run() {
    FPulse = PulseLibrary(FLibraryFile);
    if (FPulse) FLoop = FPulse->pa_mainloop_new();
    // With no library, or no loop from it, every sound is silent.
    if (!FLoop) FPulse = nullptr;
    if (FLoop) {
        pa_mainloop_api* api = FPulse->pa_mainloop_get_api(FLoop);
        api->io_new(
            api, FWake, PA_IO_EVENT_INPUT,
            [](pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void*) {
                DrainWake(fd);
            },
            nullptr);
    }
    Connect();
    while (!FQuit.load()) {
        TakeRequest();
        CheckDeadlines();
        int timeoutUs = -1;
        if (const auto next = NextDeadline()) {
            const auto left = std::chrono::ceil<std::chrono::microseconds>(*next - TClock::now());
            timeoutUs = int(std::clamp<std::int64_t>(left.count(), 0, 60'000'000));
        }
        if (!FLoop) {
            // Without the library only the mailbox and the deadlines wake the thread.
            pollfd wake{FWake, POLLIN, 0};
            if (poll(&wake, 1, timeoutUs < 0 ? -1 : (timeoutUs + 999) / 1000) > 0) DrainWake(FWake);
        } else if (FPulse->pa_mainloop_prepare(FLoop, timeoutUs) < 0 ||
                   FPulse->pa_mainloop_poll(FLoop) < 0 || FPulse->pa_mainloop_dispatch(FLoop) < 0) {
            break;
        }
    }
    if (FVoice) Dispose(FVoice->Stream);
    FVoice.reset();
    if (FContext) {
        FPulse->pa_context_set_state_callback(FContext, nullptr, nullptr);
        FPulse->pa_context_disconnect(FContext);
        FPulse->pa_context_unref(FContext);
        FContext = nullptr;
    }
    if (FLoop) FPulse->pa_mainloop_free(FLoop);
}

void TSoundThread::TakeRequest() {
    std::optional<TRequest> next;
    {
        std::lock_guard lock(FMutex);
        if (FNextTaken) return;
        FNextTaken = true;
        next = std::move(FNext);
        FNext.reset();
    }
    // Cut off, not ended: the GUI thread has already moved on from it.
    if (FVoice) Dispose(FVoice->Stream);
    FVoice.reset();
    if (!next) return;
    FVoice.emplace();
    FVoice->Request = std::move(*next);
    if (!FPulse) {
        Silence();
    } else if (!FContext) {
        Connect();
    } else if (FPulse->pa_context_get_state(FContext) == PA_CONTEXT_READY) {
        StartStream();
    }
}

void TSoundThread::CheckDeadlines() {
    const TClock::time_point now = TClock::now();
    if (FRetryAt && now >= *FRetryAt) {
        FRetryAt.reset();
        Connect();
    }
    if (!FVoice) return;
    if (FVoice->State == TVoice::Waiting && now >= FVoice->Request.Asked + kStartWithin) Silence();
    if (FVoice && FVoice->EndBy && now >= *FVoice->EndBy) Finish();
}

std::optional<TSoundThread::TClock::time_point> TSoundThread::NextDeadline() const {
    std::optional<TClock::time_point> next = FRetryAt;
    const auto sooner = [&next](TClock::time_point at) {
        if (!next || at < *next) next = at;
    };
    if (FVoice && FVoice->State == TVoice::Waiting) sooner(FVoice->Request.Asked + kStartWithin);
    if (FVoice && FVoice->EndBy) sooner(*FVoice->EndBy);
    return next;
}

void TSoundThread::Connect() {
    if (FContext || !FPulse) return;
    FRetryAt.reset();
    pa_proplist* props = Properties(*FPulse);
    FContext =
        FPulse->pa_context_new_with_proplist(FPulse->pa_mainloop_get_api(FLoop), "Quorvel", props);
    FPulse->pa_proplist_free(props);
    if (!FContext) return Retry();
    FPulse->pa_context_set_state_callback(
        FContext, [](pa_context*, void* self) { static_cast<TSoundThread*>(self)->OnContext(); },
        this);
    // Never start a server of its own: with none running, the program plays silently.
    if (FPulse->pa_context_connect(FContext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 &&
        FContext)
        Lost();
}

void TSoundThread::OnContext() {
    switch (FPulse->pa_context_get_state(FContext)) {
    case PA_CONTEXT_READY:
        FRetryAfter = std::chrono::seconds(1);
        if (FVoice && FVoice->State == TVoice::Waiting && !FVoice->Stream) StartStream();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        Lost();
        break;
    default:
        break;
    }
}

void TSoundThread::Lost() {
    if (FVoice && FVoice->State != TVoice::Silent) Silence();
    FPulse->pa_context_set_state_callback(FContext, nullptr, nullptr);
    FPulse->pa_context_unref(FContext);
    FContext = nullptr;
    Retry();
}

void TSoundThread::Retry() {
    FRetryAt = TClock::now() + FRetryAfter;
    FRetryAfter = std::min(FRetryAfter * 2, kRetryAtMost);
}

void TSoundThread::StartStream() {
    const TWave& wave = FVoice->Request.Wave;
    pa_proplist* props = Properties(*FPulse);
    pa_stream* stream =
        FPulse->pa_stream_new_with_proplist(FContext, "Sound", &wave.Spec, nullptr, props);
    FPulse->pa_proplist_free(props);
    if (!stream) return Silence();
    FVoice->Stream = stream;
    FPulse->pa_stream_set_state_callback(
        stream, [](pa_stream* s, void* self) { static_cast<TSoundThread*>(self)->OnStream(s); },
        this);
    FPulse->pa_stream_set_write_callback(
        stream,
        [](pa_stream*, std::size_t bytes, void* self) {
            static_cast<TSoundThread*>(self)->Feed(bytes);
        },
        this);
    pa_buffer_attr attr;
    attr.maxlength = std::uint32_t(-1);
    attr.tlength = std::uint32_t(
        FPulse->pa_usec_to_bytes(std::chrono::microseconds(kTargetLatency).count(), &wave.Spec));
    attr.prebuf = std::uint32_t(-1);
    attr.minreq = std::uint32_t(-1);
    attr.fragsize = std::uint32_t(-1);
    if (FPulse->pa_stream_connect_playback(stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY,
                                           nullptr, nullptr) < 0)
        Silence();
}

void TSoundThread::OnStream(pa_stream* stream) {
    if (!FVoice || FVoice->Stream != stream) return;
    switch (FPulse->pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        if (TClock::now() >= FVoice->Request.Asked + kStartWithin) return Silence();
        FVoice->State = TVoice::Playing;
        if (!FVoice->Request.Loop)
            FVoice->EndBy = TClock::now() + FVoice->Request.Wave.Length() + kLate;
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        Silence();
        break;
    default:
        break;
    }
}

// Hands the server the whole sound at once, so no sample waits on this thread being
// woken in time; a looping sound goes on as the server asks for more.
void TSoundThread::Feed(std::size_t bytes) {
    if (!FVoice || FVoice->State != TVoice::Playing || FVoice->Draining) return;
    const QByteArray& samples = FVoice->Request.Wave.Samples;
    if (samples.isEmpty()) return Finish();
    pa_stream* stream = FVoice->Stream;
    if (!FVoice->Request.Loop) {
        FPulse->pa_stream_write(stream, samples.constData() + FVoice->Written,
                                std::size_t(samples.size() - FVoice->Written), nullptr, 0,
                                PA_SEEK_RELATIVE);
        FVoice->Written = samples.size();
        FVoice->Draining = true;
        pa_operation* drain = FPulse->pa_stream_drain(
            stream,
            [](pa_stream* s, int success, void* self) {
                auto* thread = static_cast<TSoundThread*>(self);
                if (thread->FVoice && thread->FVoice->Stream == s && success) thread->Finish();
            },
            this);
        if (drain) FPulse->pa_operation_unref(drain);
        return;
    }
    while (bytes > 0) {
        const std::size_t part = std::min(bytes, std::size_t(samples.size() - FVoice->Written));
        FPulse->pa_stream_write(stream, samples.constData() + FVoice->Written, part, nullptr, 0,
                                PA_SEEK_RELATIVE);
        bytes -= part;
        FVoice->Written = (FVoice->Written + qsizetype(part)) % samples.size();
    }
}

void TSoundThread::Silence() {
    Dispose(FVoice->Stream);
    FVoice->Stream = nullptr;
    FVoice->State = TVoice::Silent;
    if (FVoice->Request.Loop) return;
    FVoice->EndBy = std::max(
        TClock::now(),
        FVoice->Request.Asked + std::chrono::ceil<TClock::duration>(FVoice->Request.Wave.Length()));
}

void TSoundThread::Finish() {
    Dispose(FVoice->Stream);
    {
        std::lock_guard lock(FMutex);
        FEnded.store(std::max(FEnded.load(), FVoice->Request.Id), std::memory_order_release);
    }
    FEndedChanged.notify_all();
    FVoice.reset();
}

// Lets go of a stream the channel no longer plays. One the server has not yet set up
// cannot be closed before it has; it closes itself once it is.
void TSoundThread::Dispose(pa_stream* stream) {
    if (!stream) return;
    FPulse->pa_stream_set_write_callback(stream, nullptr, nullptr);
    if (FPulse->pa_stream_get_state(stream) == PA_STREAM_READY) {
        FPulse->pa_stream_set_state_callback(stream, nullptr, nullptr);
        FPulse->pa_stream_disconnect(stream);
    } else {
        FPulse->pa_stream_set_state_callback(
            stream,
            [](pa_stream* s, void* library) {
                const auto& pa = *static_cast<const TPulseLibrary*>(library);
                if (pa.pa_stream_get_state(s) == PA_STREAM_READY) pa.pa_stream_disconnect(s);
            },
            const_cast<TPulseLibrary*>(FPulse));
    }
    FPulse->pa_stream_unref(stream);
}
