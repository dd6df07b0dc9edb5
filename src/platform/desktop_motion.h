// SPDX-License-Identifier: MIT
// Whether the user's desktop asks for less motion on screen. Qt has no setting for it, so the
// desktops' own files are read: GTK's settings.ini (gtk-enable-animations, kept by GNOME,
// Xfce, Cinnamon and MATE among others) and KDE's kdeglobals (AnimationDurationFactor 0).
// GNOME's live setting, org.gnome.desktop.interface enable-animations, needs gsettings, which
// the window's platform asks.
#pragma once

#include <optional>
#include <string>

namespace tw {

// The desktop folder of the user's settings: $XDG_CONFIG_HOME when absolute, else ~/.config.
std::string ConfigFolder();

// True when a settings file in the folder switches the desktop's animations off; nothing when
// no file says either way.
std::optional<bool> AnimationsOffInConfig(const std::string& configFolder);

// The answer of `gsettings get org.gnome.desktop.interface enable-animations` read: true for
// "false", false for "true", nothing for anything else.
std::optional<bool> AnimationsOffInGsettingsAnswer(const std::string& answer);

} // namespace tw
