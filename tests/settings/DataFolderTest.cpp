#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Runs copies of data_probe as the unprivileged user "nobody", the way a player meets
// an install: root can write everywhere, so only a real other user shows where the
// program's data files go when its folder is closed to them.
class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the program as another user";
        FSetpriv = QStandardPaths::findExecutable("setpriv");
        if (FSetpriv.isEmpty()) GTEST_SKIP() << "setpriv (util-linux) is not installed";
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody) GTEST_SKIP() << "there is no user nobody";
        FUid = nobody->pw_uid;
        FGid = nobody->pw_gid;
        ASSERT_TRUE(FDir.isValid());
        // The user must be able to reach the folders, as in a real install.
        ASSERT_EQ(::chmod(QFile::encodeName(FDir.path()).constData(), 0755), 0);
        ASSERT_TRUE(QDir(FDir.path()).mkpath("install"));
        ASSERT_TRUE(QDir(FDir.path()).mkpath("home"));
        ASSERT_EQ(::chown(QFile::encodeName(Path("home")).constData(), FUid, FGid), 0);
        const QString probe = QCoreApplication::applicationDirPath() + "/data_probe";
        ASSERT_TRUE(QFile::copy(probe, Path("install/Quorvel"))) << probe.toStdString();
    }

    QString Path(const QString& name) const { return FDir.path() + "/" + name; }

    // The probe's output: the options file's name, then the high-score file's; with
    // "player", what the player's writes showed.
    QStringList RunAsNobody(const QString& xdgDataHome = QString(), const QStringList& args = {}) {
        // The rest of the environment stays, the sanitizers' settings among them.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            env.remove(name);
        env.insert("HOME", Path("home"));
        if (!xdgDataHome.isEmpty()) env.insert("XDG_DATA_HOME", xdgDataHome);
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.setWorkingDirectory("/");
        probe.start(FSetpriv, QStringList{"--reuid=" + QString::number(FUid),
                                          "--regid=" + QString::number(FGid), "--clear-groups",
                                          Path("install/Quorvel")} +
                                  args);
        EXPECT_TRUE(probe.waitForFinished(30000));
        EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
        return QString::fromLocal8Bit(probe.readAllStandardOutput())
            .split('\n', Qt::SkipEmptyParts);
    }

    void Chmod(const QString& name, mode_t mode) const {
        ASSERT_EQ(::chmod(QFile::encodeName(Path(name)).constData(), mode), 0);
    }
    void Chown(const QString& name) const {
        ASSERT_EQ(::chown(QFile::encodeName(Path(name)).constData(), FUid, FGid), 0);
    }

    QStringList InstallFiles() const {
        return QDir(Path("install"))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir FDir;
    QString FSetpriv;
    uid_t FUid = 0;
    gid_t FGid = 0;
};

TEST_F(DataFolderTest, AFolderTheUserCannotWriteSendsBothFilesToTheUsersOwnDataFolder) {
    // A shared install: the folder is root's. The data folder is made on the first write.
    EXPECT_EQ(RunAsNobody(), QStringList({Path("home/.local/share/Quorvel/Quorvel.cfg"),
                                          Path("home/.local/share/Quorvel/Quorvel.ini")}));
    EXPECT_EQ(InstallFiles(), QStringList({"Quorvel"}));
    const QByteArray options = Bytes(Path("home/.local/share/Quorvel/Quorvel.cfg"));
    const QByteArray scores = Bytes(Path("home/.local/share/Quorvel/Quorvel.ini"));
    EXPECT_TRUE(options.startsWith("[OptionsShapes]\r\nPlayerName=Probe\r\n"));
    EXPECT_TRUE(scores.contains("\r\n1=000000042,Probe\r\n"));

    // XDG_DATA_HOME names the user's data folder when it is set.
    EXPECT_EQ(RunAsNobody(Path("home/xdg")).first(), Path("home/xdg/Quorvel/Quorvel.cfg"));
    EXPECT_EQ(InstallFiles(), QStringList({"Quorvel"}));

    // The user's own copy: the files lie beside it, byte for byte the same, and the
    // data folder is not touched.
    ASSERT_EQ(::chown(QFile::encodeName(Path("install")).constData(), FUid, FGid), 0);
    ASSERT_TRUE(QDir(Path("home/xdg")).removeRecursively());
    EXPECT_EQ(RunAsNobody(Path("home/xdg")),
              QStringList({Path("install/Quorvel.cfg"), Path("install/Quorvel.ini")}));
    EXPECT_EQ(Bytes(Path("install/Quorvel.cfg")), options);
    EXPECT_EQ(Bytes(Path("install/Quorvel.ini")), scores);
    EXPECT_FALSE(QFileInfo::exists(Path("home/xdg")));
}

// What the player's writes showed (data_probe player), for files that cannot be
// written for the reason given.
QStringList Refused(const QString& cfg, const QString& ini, const QString& reason) {
    return {"view: Unable to write to " + ini + ": " + reason, "view: row 1 000000009,Player 9",
            "options: Unable to write to " + cfg + ": " + reason,
            "untouched: Unable to write to " + cfg + ": " + reason,
            "toggled: Unable to write to " + cfg + ": " + reason};
}

TEST_F(DataFolderTest, AFolderTheUserCannotWriteIsNamedWithItsReasonAndLosesNothing) {
    // The data folder is there, read-only: every refused write says why, the table
    // from the menu is still shown, a game closed untouched says so as well, and
    // neither file changes by a byte.
    const QString data = "home/.local/share/Quorvel";
    ASSERT_TRUE(QDir(Path("home")).mkpath(".local/share/Quorvel"));
    const QByteArray options = "[OptionsShapes]\r\nPlayerName=Ann\r\n";
    const QByteArray scores = "[Quorvel (Shapes)]\r\nCount=1\r\n1=000000042,Ann\r\n";
    for (const auto& [name, bytes] :
         {std::pair{"/Quorvel.cfg", options}, {"/Quorvel.ini", scores}}) {
        QFile file(Path(data + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    for (const QString& name : QStringList{"home/.local", "home/.local/share", data,
                                           data + "/Quorvel.cfg", data + "/Quorvel.ini"})
        Chown(name);
    Chmod(data, 0555);
    EXPECT_EQ(
        RunAsNobody({}, {"player"}),
        Refused(Path(data + "/Quorvel.cfg"), Path(data + "/Quorvel.ini"), qt_error_string(EACCES)));
    EXPECT_EQ(Bytes(Path(data + "/Quorvel.cfg")), options);
    EXPECT_EQ(Bytes(Path(data + "/Quorvel.ini")), scores);
    EXPECT_EQ(QDir(Path(data)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"Quorvel.cfg", "Quorvel.ini"}));

    // No data folder yet, and the share folder closed: the folder is named.
    Chmod(data, 0755);
    ASSERT_TRUE(QDir(Path(data)).removeRecursively());
    Chmod("home/.local/share", 0555);
    const QString folder =
        "Unable to create the folder " + Path(data) + "/: " + qt_error_string(EACCES);
    EXPECT_EQ(RunAsNobody({}, {"player"}),
              QStringList({"view: " + folder, "view: row 1 000000009,Player 9",
                           "options: " + folder, "untouched: " + folder, "toggled: " + folder}));
    EXPECT_FALSE(QFileInfo::exists(Path(data)));
}

// A disk filled to its last byte: a tmpfs of its own, which only root may mount.
TEST_F(DataFolderTest, AFullDiskSaysSoShowsTheTableAndChangesNothing) {
    ASSERT_TRUE(QDir(FDir.path()).mkpath("full"));
    // Room for the probe, which a sanitizer build makes large, and a little more.
    const qint64 size = QFileInfo(Path("install/Quorvel")).size() + (1 << 20);
    const int mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o",
                                                    QStringLiteral("size=%1,mode=0755").arg(size),
                                                    "quorvel-full", Path("full")});
    if (mounted != 0) GTEST_SKIP() << "mount refused a tmpfs (status " << mounted << ")";
    struct TUnmount {
        QString Path;
        ~TUnmount() { QProcess::execute("umount", {"-l", Path}); }
    } unmount{Path("full")};

    ASSERT_TRUE(QFile::copy(Path("install/Quorvel"), Path("full/Quorvel")));
    const QByteArray options = "[OptionsShapes]\r\nPlayerName=Ann\r\n";
    const QByteArray scores = "[Quorvel (Shapes)]\r\nCount=1\r\n1=000000042,Ann\r\n";
    for (const auto& [name, bytes] :
         {std::pair{"full/Quorvel.cfg", options}, {"full/Quorvel.ini", scores}}) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    {
        // To the last byte: whole pages first, then single bytes until none fits.
        QFile fill(Path("full/fill"));
        ASSERT_TRUE(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray page(4096, 'x');
        while (fill.write(page) == page.size()) {
        }
        while (fill.write("x", 1) == 1) {
        }
    }
    QProcess probe;
    probe.start(Path("full/Quorvel"), {"player"});
    ASSERT_TRUE(probe.waitForFinished(30000));
    EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromLocal8Bit(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
              Refused(Path("full/Quorvel.cfg"), Path("full/Quorvel.ini"), qt_error_string(ENOSPC)));
    EXPECT_EQ(Bytes(Path("full/Quorvel.cfg")), options);
    EXPECT_EQ(Bytes(Path("full/Quorvel.ini")), scores);
    EXPECT_EQ(QDir(Path("full")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"fill", "Quorvel", "Quorvel.cfg", "Quorvel.ini"}));
}

} // namespace
