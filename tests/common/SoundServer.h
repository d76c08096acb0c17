#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

// A sound server of the test's own: a PulseAudio server whose pipe sink writes every
// sample it plays to a FIFO, or PipeWire with its PulseAudio service, whose null
// sink's monitor a recorder writes there. A thread drains the FIFO into memory while
// the server runs. Nothing of the machine's own sound set-up is read: home, runtime
// and configuration folders and the session bus are private.
class TSoundServer {
public:
    enum TKind { PulseAudio, PipeWire };
    using TClock = std::chrono::steady_clock;

    // The program's sounds are 22050 Hz mono 16-bit; the sink takes them as they are, so
    // what it writes can be compared with the files sample by sample.
    static constexpr int kRate = 22050;

    explicit TSoundServer(TKind kind = PulseAudio) : FKind(kind) {}
    // A PulseAudio pipe sink of another rate and width: it writes blocks of the pipe's
    // 4096 bytes whenever no client asks for less, 5.8 ms at 44100 Hz and 8 channels.
    TSoundServer(int rate, int channels) : FKind(PulseAudio), FRate(rate), FChannels(channels) {}
    ~TSoundServer() { Shut(); }

    // Gives an empty text once the server takes clients, or why it could not start.
    QString Start() {
        if (!FDir.isValid()) return "no temporary folder";
        const QStringList needs = FKind == PulseAudio
                                      ? QStringList{"pulseaudio"}
                                      : QStringList{"dbus-daemon",    "pipewire", "wireplumber",
                                                    "pipewire-pulse", "pactl",    "parec"};
        for (const QString& program : needs)
            if (QStandardPaths::findExecutable(program).isEmpty())
                return program + " is not installed";
        const QString root = FDir.path();
        for (const char* sub : {"home", "run", "config/pulse", "state"})
            QDir().mkpath(root + "/" + sub);
        QFile::setPermissions(root + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
        // An empty daemon configuration of its own, so no system default applies.
        QFile(root + "/config/pulse/daemon.conf").open(QIODevice::WriteOnly);
        FFifoPath = root + "/sink.fifo";
        if (mkfifo(QFile::encodeName(FFifoPath).constData(), 0600) != 0) return "no FIFO";
        FFifo = open(QFile::encodeName(FFifoPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (FFifo < 0) return "the FIFO does not open";
        FReader = std::thread([this] { Drain(); });
        return Launch();
    }

    // A new server on the same socket, as after a crash or a restart of the service.
    QString Launch() {
        if (FKind == PipeWire) return LaunchPipeWire();
        Run(FServer, "pulseaudio",
            {"-n", "--daemonize=no", "--system=no", "--exit-idle-time=-1", "--disallow-exit",
             "--use-pid-file=no", "--realtime=no", "--high-priority=no", "--log-target=stderr",
             QString("-Lmodule-pipe-sink file=%1 format=s16le rate=%2 channels=%3 "
                     "use_system_clock_for_timing=yes")
                 .arg(FFifoPath)
                 .arg(FRate)
                 .arg(FChannels),
             "-Lmodule-native-protocol-unix socket=" + Socket() + " auth-anonymous=1"});
        return AwaitSound();
    }

    // Gone at once, leaving its socket behind as a crash does.
    void Kill() {
        FServer.kill();
        FServer.waitForFinished(3000);
    }

    // Stopped and let go again, as a server that hangs for a while.
    void Hold(bool held) { ::kill(pid_t(FServer.processId()), held ? SIGSTOP : SIGCONT); }

    // When the first sample louder than level, from sample from on, came out of the
    // sink, as far as the FIFO tells: the time its block arrived.
    std::optional<TClock::time_point> FirstLouderThan(qsizetype from, int level) const {
        std::lock_guard lock(FMutex);
        for (qsizetype i = std::max<qsizetype>(from, 0); i < qsizetype(FSamples.size()); ++i) {
            if (std::abs(FSamples[size_t(i)]) <= level) continue;
            const auto block = std::upper_bound(
                FArrivals.begin(), FArrivals.end(), i,
                [](qsizetype at, const TArrival& arrival) { return at < arrival.First; });
            return std::prev(block)->When;
        }
        return std::nullopt;
    }

    QString Socket() const {
        return FDir.path() + (FKind == PulseAudio ? "/native" : "/run/pulse/native");
    }

    qsizetype Samples() const {
        std::lock_guard lock(FMutex);
        return qsizetype(FSamples.size());
    }

    // What the sink wrote from sample from to now.
    std::vector<qint16> Since(qsizetype from) const {
        std::lock_guard lock(FMutex);
        from = std::clamp<qsizetype>(from, 0, qsizetype(FSamples.size()));
        return {FSamples.begin() + from, FSamples.end()};
    }

private:
    QProcessEnvironment Environment() const {
        const QString root = FDir.path();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"PULSE_SERVER", "PULSE_SINK", "PULSE_COOKIE", "DISPLAY",
                                 "PIPEWIRE_REMOTE", "DBUS_SESSION_BUS_ADDRESS"})
            env.remove(name);
        env.insert("HOME", root + "/home");
        env.insert("XDG_RUNTIME_DIR", root + "/run");
        env.insert("XDG_CONFIG_HOME", root + "/config");
        env.insert("XDG_STATE_HOME", root + "/state");
        env.insert("PULSE_RUNTIME_PATH", root + "/run/pulse");
        env.insert("PULSE_STATE_PATH", root + "/state");
        if (FKind == PipeWire) env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + root + "/bus");
        return env;
    }

    void Run(QProcess& process, const QString& program, const QStringList& args,
             const QString& output = {}) {
        const QString log = FDir.path() + "/server.log";
        process.setProcessEnvironment(Environment());
        process.setStandardOutputFile(output.isEmpty() ? log : output, QIODevice::Append);
        process.setStandardErrorFile(log, QIODevice::Append);
        // A test that dies does not leave its server running.
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process.start(program, args);
        process.waitForStarted(5000);
    }

    void Helper(const QString& program, const QStringList& args, const QString& output = {}) {
        Run(*FHelpers.emplace_back(std::make_unique<QProcess>()), program, args, output);
    }

    // Up once the socket is there and the sink writes (silence, when idle).
    QString AwaitSound() {
        QElapsedTimer waited;
        waited.start();
        const qsizetype before = Samples();
        while (!QFileInfo::exists(Socket()) || Samples() == before) {
            const bool down = FServer.state() != QProcess::Running ||
                              std::any_of(FHelpers.begin(), FHelpers.end(), [](const auto& p) {
                                  return p->state() != QProcess::Running;
                              });
            if (down || waited.elapsed() > 10000) {
                QFile log(FDir.path() + "/server.log");
                log.open(QIODevice::ReadOnly);
                const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
                return "the sound server did not come up: " + QString::fromLocal8Bit(lines.last());
            }
            QThread::msleep(20);
        }
        return {};
    }

    // PipeWire, its session manager and its PulseAudio service on a session bus of their
    // own, with a null sink at the sound files' own rate as the default, recorded from
    // its monitor into the FIFO.
    QString LaunchPipeWire() {
        const QString root = FDir.path();
        Helper("dbus-daemon",
               {"--session", "--nofork", "--nopidfile", "--address=unix:path=" + root + "/bus"});
        for (int i = 0; i < 250 && !QFileInfo::exists(root + "/bus"); ++i)
            QThread::msleep(20);
        Helper("pipewire", {});
        for (int i = 0; i < 250 && !QFileInfo::exists(root + "/run/pipewire-0"); ++i)
            QThread::msleep(20);
        Helper("wireplumber", {});
        Run(FServer, "pipewire-pulse", {});
        for (int i = 0; i < 250 && !QFileInfo::exists(Socket()); ++i)
            QThread::msleep(20);
        const auto pactl = [this](const QStringList& args) {
            QProcess process;
            Run(process, "pactl", args);
            return process.waitForFinished(10000) && process.exitCode() == 0;
        };
        if (!pactl({"load-module", "module-null-sink", "sink_name=quorvel_test",
                    QString("rate=%1").arg(kRate), "channels=1", "format=s16le"}) ||
            !pactl({"set-default-sink", "quorvel_test"}))
            return "pipewire-pulse takes no null sink";
        Helper("parec",
               {"-d", "quorvel_test.monitor", "--raw", "--format=s16le",
                QString("--rate=%1").arg(kRate), "--channels=1", "--latency-msec=20"},
               FFifoPath);
        return AwaitSound();
    }

    void Drain() {
        char buffer[8192];
        int kept = 0;
        while (!FStop) {
            pollfd fd{FFifo, POLLIN, 0};
            if (poll(&fd, 1, 50) <= 0) continue;
            const ssize_t got = read(FFifo, buffer + kept, sizeof buffer - kept);
            if (got <= 0) {
                if (got == 0) QThread::msleep(10); // no writer yet
                continue;
            }
            const int bytes = kept + int(got);
            std::lock_guard lock(FMutex);
            FArrivals.push_back({qsizetype(FSamples.size()), TClock::now()});
            for (int i = 0; i + 1 < bytes; i += 2)
                FSamples.push_back(qFromLittleEndian<qint16>(buffer + i));
            kept = bytes & 1;
            if (kept) buffer[0] = buffer[bytes - 1];
        }
    }

    void Shut() {
        const auto end = [](QProcess& process) {
            if (process.state() == QProcess::NotRunning) return;
            ::kill(pid_t(process.processId()), SIGCONT);
            process.terminate();
            if (!process.waitForFinished(3000)) {
                process.kill();
                process.waitForFinished(3000);
            }
        };
        // The recorder first, then the service, then what it stands on.
        if (!FHelpers.empty()) end(*FHelpers.back());
        end(FServer);
        for (auto helper = FHelpers.rbegin(); helper != FHelpers.rend(); ++helper)
            end(**helper);
        FStop = true;
        if (FReader.joinable()) FReader.join();
        if (FFifo >= 0) close(FFifo);
    }

    QTemporaryDir FDir;
    const TKind FKind;
    const int FRate = kRate;
    const int FChannels = 1;
    QString FFifoPath;
    QProcess FServer;
    std::vector<std::unique_ptr<QProcess>> FHelpers;
    int FFifo = -1;
    std::thread FReader;
    std::atomic<bool> FStop{false};
    struct TArrival {
        qsizetype First; // the block's first sample
        TClock::time_point When;
    };

    mutable std::mutex FMutex;
    std::vector<qint16> FSamples;
    std::vector<TArrival> FArrivals;
};
