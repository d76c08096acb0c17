#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct TRun {
    bool Finished = false;
    QProcess::ExitStatus Status = QProcess::NormalExit;
    int Code = -1;
    QString Errors;
};

// Starts the real program with the given display settings and gives it some time.
TRun Start(const QMap<QString, QString>& settings, int milliseconds = 10000) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    for (auto it = settings.begin(); it != settings.end(); ++it)
        env.insert(it.key(), it.value());
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + "/Quorvel", {});
    EXPECT_TRUE(program.waitForStarted());
    TRun run;
    run.Finished = program.waitForFinished(milliseconds);
    if (!run.Finished) {
        program.kill();
        program.waitForFinished();
    }
    run.Status = program.exitStatus();
    run.Code = program.exitCode();
    run.Errors = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

} // namespace

TEST(NoDisplay, TheProgramSaysInOneSentenceThatItNeedsADisplayAndEndsWithStatusOne) {
    const QString advice = ": start it on a desktop, or under a virtual display with xvfb-run -a " +
                           QCoreApplication::applicationDirPath() + "/Quorvel\n";
    TRun none = Start({});
    EXPECT_TRUE(none.Finished);
    EXPECT_EQ(none.Status, QProcess::NormalExit) << "it aborted";
    EXPECT_EQ(none.Code, 1);
    EXPECT_EQ(none.Errors, "Quorvel needs a graphical display, and none is set" + advice);

    // A display that is set but cannot be opened.
    TRun unreachable = Start({{"DISPLAY", ":4093"}});
    EXPECT_EQ(unreachable.Status, QProcess::NormalExit) << "it aborted";
    EXPECT_EQ(unreachable.Code, 1);
    EXPECT_EQ(unreachable.Errors,
              "Quorvel needs a graphical display, and DISPLAY=:4093 cannot be opened" + advice);

    // A platform chosen by the user is taken as it is: offscreen needs no display.
    TRun offscreen = Start({{"QT_QPA_PLATFORM", "offscreen"}}, 1500);
    EXPECT_FALSE(offscreen.Finished) << offscreen.Errors.toStdString();
}
