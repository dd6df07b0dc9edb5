// SPDX-License-Identifier: MIT
// The desktop's wish for less motion, read from the settings files of GTK and KDE and from
// GNOME's answer.
#include "platform/desktop_motion.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <unistd.h>

namespace tw {
namespace {

namespace fs = std::filesystem;

struct MotionCase {
    const char* what;
    const char* file;
    const char* text;
    std::optional<bool> off;
};
void PrintTo(const MotionCase& c, std::ostream* os) {
    *os << c.what;
}

class DesktopMotion : public ::testing::TestWithParam<MotionCase> {};

TEST_P(DesktopMotion, SettingsFilesSayWhetherAnimationsAreOff) {
    // A folder of each case's own: the cases may run side by side.
    const fs::path folder = fs::path(::testing::TempDir()) /
                            ("motion-" + std::to_string(::getpid()) + "-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder / "gtk-3.0");
    if (*GetParam().file) std::ofstream(folder / GetParam().file) << GetParam().text;
    EXPECT_EQ(AnimationsOffInConfig(folder.string()), GetParam().off);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DesktopMotion,
    ::testing::Values(
        MotionCase{"no file", "", "", std::nullopt},
        MotionCase{"GTK without the key", "gtk-3.0/settings.ini",
                   "[Settings]\ngtk-theme-name=Adwaita\n", std::nullopt},
        MotionCase{"GTK false", "gtk-3.0/settings.ini",
                   "[Settings]\ngtk-enable-animations = false\n", true},
        MotionCase{"GTK 0", "gtk-3.0/settings.ini", "[Settings]\ngtk-enable-animations=0\n", true},
        MotionCase{"GTK true with CRLF", "gtk-3.0/settings.ini",
                   "[Settings]\r\ngtk-enable-animations=true\r\n", false},
        MotionCase{"GTK key in another section", "gtk-3.0/settings.ini",
                   "[Other]\ngtk-enable-animations=false\n", std::nullopt},
        MotionCase{"KDE factor 0", "kdeglobals", "[KDE]\nAnimationDurationFactor=0\n", true},
        MotionCase{"KDE factor 0.5", "kdeglobals", "[KDE]\nAnimationDurationFactor=0.5\n", false}));

TEST(DesktopMotion, GnomesAnswer) {
    EXPECT_EQ(AnimationsOffInGsettingsAnswer("false\n"), true);
    EXPECT_EQ(AnimationsOffInGsettingsAnswer("true\n"), false);
    EXPECT_EQ(AnimationsOffInGsettingsAnswer("No such schema\n"), std::nullopt);
}

} // namespace
} // namespace tw
