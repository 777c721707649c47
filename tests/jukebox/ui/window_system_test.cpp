#include "jukebox/ui/window_system.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(WindowSystemTest, X11IsPreferredWhereReachableUnlessThePlatformIsNamed) {
    // A Wayland session with XWayland: X11 first, Wayland should X11 not answer.
    EXPECT_EQ(PreferredPlatform("", ":0", "wayland-0"), QByteArray("xcb;wayland"));
    // An X11 session.
    EXPECT_EQ(PreferredPlatform("", ":0", ""), QByteArray("xcb"));
    // Native Wayland only, or nothing at all: Qt's own choice.
    EXPECT_EQ(PreferredPlatform("", "", "wayland-0"), QByteArray());
    EXPECT_EQ(PreferredPlatform("", "", ""), QByteArray());
    // The user's choice stands, whatever is reachable.
    EXPECT_EQ(PreferredPlatform("wayland", ":0", "wayland-0"), QByteArray());
    EXPECT_EQ(PreferredPlatform("offscreen", ":0", ""), QByteArray());
}

// What main() does before the application is built: the environment it sets,
// and that a named platform is left alone.
TEST(WindowSystemTest, ThePreferenceReachesTheEnvironmentOnlyWhenNothingIsNamed) {
    const char* names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    std::optional<QByteArray> saved[3];
    for (int i = 0; i < 3; ++i) {
        if (qEnvironmentVariableIsSet(names[i])) {
            saved[i] = qgetenv(names[i]);
        }
    }

    qputenv("DISPLAY", ":67");
    qputenv("WAYLAND_DISPLAY", "wayland-velorine");
    qunsetenv("QT_QPA_PLATFORM");
    EXPECT_TRUE(PreferX11Platform());
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray("xcb;wayland"));

    qputenv("QT_QPA_PLATFORM", "wayland");
    EXPECT_FALSE(PreferX11Platform());
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray("wayland"));

    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("DISPLAY");
    EXPECT_FALSE(PreferX11Platform());
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));

    for (int i = 0; i < 3; ++i) {
        if (saved[i]) {
            qputenv(names[i], *saved[i]);
        } else {
            qunsetenv(names[i]);
        }
    }
    // The tests' own platform places its windows.
    EXPECT_FALSE(CompositorPlacesWindows());
}

}  // namespace
