// SPDX-License-Identifier: MIT
// The per-user settings store on Linux: the registry's application/section/key tree kept as
// INI files under the user's configuration folder. A section path such as
// "tarnwell\Tarnwell\Settings" of application "Glacivar" lives in
// $XDG_CONFIG_HOME/Glacivar/tarnwell/Tarnwell.ini, group [Settings].
#pragma once

#include <filesystem>
#include <string>

namespace tw {

// $XDG_CONFIG_HOME when set and absolute, else $HOME/.config.
std::filesystem::path UserConfigFolder();

struct IniLocation {
    std::filesystem::path file;
    std::string group;
};

IniLocation SettingsLocation(const std::filesystem::path& configFolder, const std::string& app,
                             const std::string& section);

class IniSettings {
public:
    explicit IniSettings(std::filesystem::path configFolder) : folder_(std::move(configFolder)) {}

    std::string Get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) const;
    // Writes through at once, by a temporary file renamed over the old one, so a second
    // program reading the same store never sees half a file. Returns false on failure.
    bool Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) const;

    const std::filesystem::path& Folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

} // namespace tw
