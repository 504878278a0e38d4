#include <QApplication>
#include <gtest/gtest.h>

// GUI tests share one QApplication on the offscreen platform (set by ctest).
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
