#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct TRun {
    bool Finished = false;
    QProcess::ExitStatus Status = QProcess::NormalExit;
    int Code = -1;
    QString Output, Errors;
};

// Starts the real program with the given display settings and gives it some time; its
// standard output goes to the file, where one is named.
TRun Start(const QMap<QString, QString>& settings, int milliseconds = 10000,
           const QStringList& arguments = {}, const QString& output = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    for (auto it = settings.begin(); it != settings.end(); ++it)
        env.insert(it.key(), it.value());
    QProcess program;
    program.setProcessEnvironment(env);
    if (!output.isEmpty()) program.setStandardOutputFile(output);
    program.start(QCoreApplication::applicationDirPath() + "/Quorvel", arguments);
    EXPECT_TRUE(program.waitForStarted());
    TRun run;
    run.Finished = program.waitForFinished(milliseconds);
    if (!run.Finished) {
        program.kill();
        program.waitForFinished();
    }
    run.Status = program.exitStatus();
    run.Code = program.exitCode();
    run.Output = QString::fromLocal8Bit(program.readAllStandardOutput());
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

TEST(NoDisplay, HelpAndVersionAnswerWithoutADisplayAndOtherArgumentsAreIgnored) {
    TRun version = Start({}, 10000, {"--version"});
    EXPECT_EQ(version.Code, 0);
    EXPECT_EQ(version.Output, "Quorvel " QUORVEL_VERSION "\n");
    EXPECT_EQ(version.Errors, "");
    // An answer that cannot be written is no success.
    TRun full = Start({}, 10000, {"--version"}, "/dev/full");
    EXPECT_EQ(full.Code, 1);
    EXPECT_EQ(full.Errors, "Quorvel: cannot write to the standard output\n");

    // The first of the two decides, wherever it stands among the arguments.
    TRun help = Start({}, 10000, {"-x", "--help", "--version"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_TRUE(help.Output.startsWith("Usage: quorvel [--help | --version]\n"))
        << help.Output.toStdString();
    EXPECT_TRUE(help.Output.contains("\n  --version  print the version and exit\n"));
    EXPECT_EQ(help.Errors, "");

    // Anything else starts the program as without arguments, which here has no display.
    TRun other = Start({}, 10000, {"--versions", "-help"});
    EXPECT_EQ(other.Code, 1);
    EXPECT_EQ(other.Output, "");
    EXPECT_TRUE(other.Errors.startsWith("Quorvel needs a graphical display"))
        << other.Errors.toStdString();
}
