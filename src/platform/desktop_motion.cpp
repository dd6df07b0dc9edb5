// SPDX-License-Identifier: MIT
#include "platform/desktop_motion.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <fstream>

namespace tw {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n\"'");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n\"'");
    return text.substr(first, last - first + 1);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The value of `key` in `section` of an INI-style file, if the file says.
std::optional<std::string> IniValue(const std::string& path, const std::string& section,
                                    const std::string& key) {
    std::ifstream in(path);
    if (!in) return std::nullopt;
    std::string line, current;
    std::optional<std::string> value;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            current = line.substr(1, line.size() - 2);
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || current != section) continue;
        if (Trimmed(line.substr(0, equals)) == key) value = Lower(Trimmed(line.substr(equals + 1)));
    }
    return value;
}

} // namespace

std::string ConfigFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.config";
}

std::optional<bool> AnimationsOffInConfig(const std::string& configFolder) {
    std::optional<bool> off;
    for (const char* gtk : {"/gtk-3.0/settings.ini", "/gtk-4.0/settings.ini"}) {
        const auto value = IniValue(configFolder + gtk, "Settings", "gtk-enable-animations");
        if (!value) continue;
        if (*value == "false" || *value == "0") return true;
        if (*value == "true" || *value == "1") off = false;
    }
    if (const auto factor =
            IniValue(configFolder + "/kdeglobals", "KDE", "AnimationDurationFactor")) {
        // Read with from_chars: the C library's reading follows the user's locale.
        double f = 1;
        const auto [end, error] =
            std::from_chars(factor->data(), factor->data() + factor->size(), f);
        if (error == std::errc() && end != factor->data()) {
            if (f == 0.0) return true;
            off = false;
        }
    }
    return off;
}

std::optional<bool> AnimationsOffInGsettingsAnswer(const std::string& answer) {
    const std::string value = Lower(Trimmed(answer));
    if (value == "false") return true;
    if (value == "true") return false;
    return std::nullopt;
}

} // namespace tw
