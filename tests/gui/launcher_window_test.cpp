// SPDX-License-Identifier: MIT
// The launcher's windows under the offscreen platform: the splash window takes the picture
// and texts of the language file, and the disclaimer's check box is remembered.
#include "gui/qt_platform.h"
#include "support/installation.h"
#include "support/qt_test_platform.h"
#include "vantora_windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(LauncherWindows, SplashAndDisclaimerShowTheLanguageFileAndRememberTheBox) {
    test::Installation install;
    test::QtTestPlatform platform(install);
    Launcher launcher(platform);
    ASSERT_TRUE(launcher.Prepare());

    SplashWindow splash(launcher, platform);
    EXPECT_TRUE(splash.PictureFromFile());
    const QSize picture = splash.Picture()->pixmap().size();
    EXPECT_EQ(picture, QSize(400, 250));
    const int margin = 60 / platform.Screen().twipsPerPixelX;
    EXPECT_EQ(splash.size(), picture + QSize(margin, margin));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    splash.ShowSplash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(splash.Updating()->isVisible());
    splash.ShowUpdating();
    EXPECT_TRUE(splash.Updating()->isVisible());
    EXPECT_EQ(splash.Updating()->text(), QString::fromUtf8(launcher.Texts().updating.c_str()));

    DisclaimerWindow disclaimer(launcher, &splash);
    EXPECT_EQ(disclaimer.windowTitle(), QStringLiteral("Disclaimer"));
    EXPECT_EQ(disclaimer.CloseButton()->text(), QStringLiteral("Close"));
    EXPECT_TRUE(disclaimer.Text()->toPlainText().startsWith(QStringLiteral("Tarnwell estimates")));
    EXPECT_TRUE(disclaimer.ShowAtStartup()->isChecked());
    disclaimer.show();
    QApplication::processEvents();
    QTest::mouseClick(disclaimer.ShowAtStartup(), Qt::LeftButton);
    QTest::mouseClick(disclaimer.CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(disclaimer.isVisible());
    EXPECT_EQ(platform.GetSetting("Glacivar", launcher.SettingsSection(), "ShowDisclaimer", ""),
              "False");
}

TEST(LauncherWindows, APictureThatCannotBeLoadedLeavesTheBuiltInOne) {
    test::Installation install;
    install.WriteFile("opdata/default.lng", "PICTURE\t-1\tPICTURE\tmissing.png\r\n");
    test::QtTestPlatform platform(install);
    Launcher launcher(platform);
    ASSERT_TRUE(launcher.Prepare());
    SplashWindow splash(launcher, platform);
    EXPECT_FALSE(splash.PictureFromFile());
    EXPECT_FALSE(splash.Picture()->pixmap().isNull());
}

} // namespace
} // namespace tw
