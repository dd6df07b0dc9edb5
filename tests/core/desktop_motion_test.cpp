// SPDX-License-Identifier: MIT
// The desktop's wish for less motion, read from the settings files of GTK and KDE and from
// GNOME's answer.
#include "platform/desktop_motion.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tw {
namespace {

namespace fs = std::filesystem;

struct MotionCase {
    const char* file;
    const char* text;
    std::optional<bool> off;
};

class DesktopMotion : public ::testing::TestWithParam<MotionCase> {};

TEST_P(DesktopMotion, SettingsFilesSayWhetherAnimationsAreOff) {
    const fs::path folder = fs::path(::testing::TempDir()) / "motion-config";
    fs::remove_all(folder);
    fs::create_directories(folder / "gtk-3.0");
    if (*GetParam().file) std::ofstream(folder / GetParam().file) << GetParam().text;
    EXPECT_EQ(AnimationsOffInConfig(folder.string()), GetParam().off);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DesktopMotion,
    ::testing::Values(
        MotionCase{"", "", std::nullopt},
        MotionCase{"gtk-3.0/settings.ini", "[Settings]\ngtk-theme-name=Adwaita\n", std::nullopt},
        MotionCase{"gtk-3.0/settings.ini", "[Settings]\ngtk-enable-animations = false\n", true},
        MotionCase{"gtk-3.0/settings.ini", "[Settings]\ngtk-enable-animations=0\n", true},
        MotionCase{"gtk-3.0/settings.ini", "[Settings]\r\ngtk-enable-animations=true\r\n", false},
        MotionCase{"gtk-3.0/settings.ini", "[Other]\ngtk-enable-animations=false\n", std::nullopt},
        MotionCase{"kdeglobals", "[KDE]\nAnimationDurationFactor=0\n", true},
        MotionCase{"kdeglobals", "[KDE]\nAnimationDurationFactor=0.5\n", false}));

TEST(DesktopMotion, GnomesAnswer) {
    EXPECT_EQ(AnimationsOffInGsettingsAnswer("false\n"), true);
    EXPECT_EQ(AnimationsOffInGsettingsAnswer("true\n"), false);
    EXPECT_EQ(AnimationsOffInGsettingsAnswer("No such schema\n"), std::nullopt);
}

} // namespace
} // namespace tw
