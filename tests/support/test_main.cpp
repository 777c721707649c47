// The main of every test program. Before anything runs it gives the process a
// private HOME and XDG folders (tests never see the user's settings), and for Qt
// tests it creates the application object on the offscreen platform.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/temp_dir.h"

#if defined(VELORINE_TEST_QT_GUI)
#include <QApplication>
#include <QSettings>
#elif defined(VELORINE_TEST_QT_CORE)
#include <QCoreApplication>
#include <QSettings>
#endif

int main(int argc, char** argv) {
    TempDir home(TempDir::Keep::No);
    for (const char* sub : {"config", "data", "cache"}) {
        std::filesystem::create_directories(home.path() / sub);
    }
    setenv("HOME", home.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home.path() / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home.path() / "data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home.path() / "cache").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

#if defined(VELORINE_TEST_QT_GUI)
    QApplication app(argc, argv);
#elif defined(VELORINE_TEST_QT_CORE)
    QCoreApplication app(argc, argv);
#endif
#if defined(VELORINE_TEST_QT_GUI) || defined(VELORINE_TEST_QT_CORE)
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((home.path() / "config").string()));
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
