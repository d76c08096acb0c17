#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TRun {
    bool Finished = false;
    QProcess::ExitStatus Status = QProcess::NormalExit;
    int Code = -1;
    QString Output, Errors;
};

// Starts the real program, or a copy of it, with the given display settings and gives
// it some time; its standard output goes to the file, where one is named.
TRun Start(const QMap<QString, QString>& settings, int milliseconds = 10000,
           const QStringList& arguments = {}, const QString& output = {},
           const QString& program = QCoreApplication::applicationDirPath() + "/Quorvel") {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        env.remove(name);
    for (auto it = settings.begin(); it != settings.end(); ++it)
        env.insert(it.key(), it.value());
    QProcess process;
    process.setProcessEnvironment(env);
    if (!output.isEmpty()) process.setStandardOutputFile(output);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted());
    TRun run;
    run.Finished = process.waitForFinished(milliseconds);
    if (!run.Finished) {
        process.kill();
        process.waitForFinished();
    }
    run.Status = process.exitStatus();
    run.Code = process.exitCode();
    run.Output = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.Errors = QString::fromLocal8Bit(process.readAllStandardError());
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

TEST(NoDisplay, AWaylandDesktopWithoutQtsWaylandPluginNamesThePackage) {
    // A copy whose qt.conf points Qt at plugins without the Wayland one, as on a system
    // without qt6-wayland; the Wayland socket named does not matter, there is no X.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath("plugins/platforms"));
    ASSERT_TRUE(QFile::link(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqxcb.so",
                            dir.filePath("plugins/platforms/libqxcb.so")));
    QFile conf(dir.filePath("qt.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Paths]\nPlugins=" + dir.filePath("plugins").toUtf8() + "\n");
    conf.close();
    ASSERT_TRUE(
        QFile::copy(QCoreApplication::applicationDirPath() + "/Quorvel", dir.filePath("Quorvel")));
    const QMap<QString, QString> wayland{{"WAYLAND_DISPLAY", "wayland-quorvel-none"},
                                         {"XDG_SESSION_TYPE", "wayland"}};
    TRun missing = Start(wayland, 10000, {}, {}, dir.filePath("Quorvel"));
    EXPECT_EQ(missing.Code, 1);
    EXPECT_EQ(missing.Errors, "Quorvel needs Qt's Wayland plugin on this Wayland desktop, which "
                              "has no X server: install the package qt6-wayland\n");

    // With the plugin there, the socket that cannot be opened is what is wrong.
    TRun present = Start(wayland);
    EXPECT_EQ(present.Code, 1);
    EXPECT_TRUE(present.Errors.contains("Quorvel needs a graphical display, and the one set "
                                        "cannot be opened"))
        << present.Errors.toStdString();
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

TEST(NoDisplay, TheHelpSpeaksTheFirstOfTheDesktopsLanguagesThatTheProgramHas) {
    struct TCase {
        const char* Language;
        const char* Lang;
        const char* Begins; // the help's second line
    };
    for (const TCase& c : {TCase{"de_AT", "C", "Zwei Puzzlespiele"},    // the region's language
                           TCase{"xx:fr", "C", "Deux casse-t"},         // one it has not: the next
                           TCase{"en_GB:de", "C", "Two falling-block"}, // English first
                           TCase{"", "pt_BR.UTF-8", "Dois jogos"},      // LANG without LANGUAGE
                           TCase{"xx", "C", "Two falling-block"}}) {    // none: English
        const TRun run =
            Start({{"LANGUAGE", c.Language}, {"LANG", c.Lang}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}},
                  10000, {"--help"});
        EXPECT_EQ(run.Code, 0);
        EXPECT_TRUE(run.Output.section(u'\n', 1, 1).startsWith(QString::fromUtf8(c.Begins)))
            << c.Language << " / " << c.Lang << ": " << run.Output.toStdString();
    }
}
