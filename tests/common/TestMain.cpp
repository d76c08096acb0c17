#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Set before the application object exists, so that test discovery at build
    // time runs without a display as well.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
