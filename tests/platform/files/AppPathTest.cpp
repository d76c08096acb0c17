#include "platform/files/AppPath.h"

#include <gtest/gtest.h>

TEST(AppPath, FolderAndExtensionsDeriveFromTheExecutable) {
    EXPECT_EQ(FolderOf("/opt/q/Quorvel"), "/opt/q/");
    EXPECT_EQ(FolderOf("Quorvel"), "/");
    EXPECT_EQ(ChangeFileExt("/opt/q/Quorvel", ".cfg"), "/opt/q/Quorvel.cfg");
    EXPECT_EQ(ChangeFileExt("/opt/q/Quorvel.exe", ".ini"), "/opt/q/Quorvel.ini");
    EXPECT_EQ(ChangeFileExt("/opt/q.d/Quorvel", ".ini"), "/opt/q.d/Quorvel.ini");
    SetExeFileNameForTests("/tmp/x/Quorvel");
    EXPECT_EQ(AppFolder(), "/tmp/x/");
    SetExeFileNameForTests(QString());
}
