// SPDX-License-Identifier: MIT
// The per-user settings store on Linux: the registry's application/section/key tree kept as
// INI files under the user's configuration folder. A section path such as
// "tarnwell\Tarnwell\Settings" of application "Glacivar" lives in
// $XDG_CONFIG_HOME/Glacivar/tarnwell/Tarnwell.ini, group [Settings].
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tw {

// $XDG_CONFIG_HOME when set and absolute, else $HOME/.config.
std::filesystem::path UserConfigFolder();

struct IniLocation {
    std::filesystem::path file;
    std::string group;
};

IniLocation SettingsLocation(const std::filesystem::path& configFolder, const std::string& app,
                             const std::string& section);

// The groups of one file in file order, each with its keys in file order.
struct IniFile {
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> groups;

    // Names compare ignoring case, as the registry does.
    std::vector<std::pair<std::string, std::string>>* Find(const std::string& group);
};

class IniSettings {
public:
    explicit IniSettings(std::filesystem::path configFolder) : folder_(std::move(configFolder)) {}

    // Each file is read once, at its first use; later reads answer from memory.
    std::string Get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) const;
    // Writes through at once when the value differs from the stored one. Under a lock on
    // "<file>.lock" the file is read again, only this key changes, and the whole is written to
    // a temporary file, flushed to disk and renamed over the old one: two programs saving at
    // once lose nothing, and a reader never sees half a file. Returns false on failure (errno
    // tells why).
    bool Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) const;

    const std::filesystem::path& Folder() const { return folder_; }

private:
    IniFile& Cached(const std::filesystem::path& file) const;

    std::filesystem::path folder_;
    mutable std::map<std::filesystem::path, IniFile> cache_;
};

} // namespace tw
