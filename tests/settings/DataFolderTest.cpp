#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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

    // The probe's output: the options file's name, then the high-score file's.
    QStringList RunAsNobody(const QString& xdgDataHome = QString()) {
        // The rest of the environment stays, the sanitizers' settings among them.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            env.remove(name);
        env.insert("HOME", Path("home"));
        if (!xdgDataHome.isEmpty()) env.insert("XDG_DATA_HOME", xdgDataHome);
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.setWorkingDirectory("/");
        probe.start(FSetpriv,
                    {"--reuid=" + QString::number(FUid), "--regid=" + QString::number(FGid),
                     "--clear-groups", Path("install/Quorvel")});
        EXPECT_TRUE(probe.waitForFinished(30000));
        EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
        return QString::fromLocal8Bit(probe.readAllStandardOutput())
            .split('\n', Qt::SkipEmptyParts);
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

} // namespace
