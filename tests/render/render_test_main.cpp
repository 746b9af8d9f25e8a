#include <QGuiApplication>
#include <gtest/gtest.h>

// Text measuring and drawing need a QGuiApplication; tests run without a display.
int main(int argc, char *argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
