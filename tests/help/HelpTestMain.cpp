// One QApplication for the whole executable; the widget tests run offscreen.
#include <gtest/gtest.h>

#include "platform/Language.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    // The suite in Dutch: the Dutch document must keep the English one's structure and links.
    if (qgetenv("VARTEL_TEST_LANGUAGE") == "nl") {
        vartel::UseLanguage(vartel::Language::Dutch);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
