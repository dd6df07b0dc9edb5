// SPDX-License-Identifier: MIT
#include "platform/ini_settings.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace tw {

namespace {

// Values may hold any text; line breaks and backslashes are escaped so one value stays one line.
std::string Escape(const std::string& value) {
    std::string out;
    for (char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            char n = value[++i];
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            out += value[i];
        }
    }
    return out;
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Groups in file order, each with its keys in file order; names compare ignoring case,
// as the registry does.
struct IniFile {
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> groups;

    std::vector<std::pair<std::string, std::string>>* Find(const std::string& group) {
        for (auto& g : groups)
            if (Lower(g.first) == Lower(group)) return &g.second;
        return nullptr;
    }
};

IniFile Load(const fs::path& file) {
    IniFile ini;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    std::vector<std::pair<std::string, std::string>>* current = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            ini.groups.push_back({line.substr(1, line.size() - 2), {}});
            current = &ini.groups.back().second;
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string::npos || !current) continue;
        current->push_back({line.substr(0, eq), Unescape(line.substr(eq + 1))});
    }
    return ini;
}

} // namespace

fs::path UserConfigFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute()) return fs::path(xdg);
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".config";
}

IniLocation SettingsLocation(const fs::path& configFolder, const std::string& app,
                             const std::string& section) {
    // The last part of the section path is the INI group; the parts before it are folders
    // and the file, so two programs sharing a section root share one file.
    std::vector<std::string> parts;
    std::string part;
    for (char c : section) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    IniLocation loc;
    loc.file = configFolder / app;
    if (parts.empty()) {
        loc.file /= app + ".ini";
        loc.group = "General";
        return loc;
    }
    loc.group = parts.back();
    parts.pop_back();
    if (parts.empty()) {
        loc.file /= app + ".ini";
        return loc;
    }
    for (std::size_t i = 0; i + 1 < parts.size(); ++i)
        loc.file /= parts[i];
    loc.file /= parts.back() + ".ini";
    return loc;
}

std::string IniSettings::Get(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& fallback) const {
    IniLocation loc = SettingsLocation(folder_, app, section);
    IniFile ini = Load(loc.file);
    if (auto* group = ini.Find(loc.group))
        for (auto& kv : *group)
            if (Lower(kv.first) == Lower(key)) return kv.second;
    return fallback;
}

bool IniSettings::Save(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value) const {
    IniLocation loc = SettingsLocation(folder_, app, section);
    IniFile ini = Load(loc.file);
    auto* group = ini.Find(loc.group);
    if (!group) {
        ini.groups.push_back({loc.group, {}});
        group = &ini.groups.back().second;
    }
    bool found = false;
    for (auto& kv : *group)
        if (Lower(kv.first) == Lower(key)) {
            kv.second = value;
            found = true;
        }
    if (!found) group->push_back({key, value});

    std::ostringstream text;
    for (auto& g : ini.groups) {
        text << '[' << g.first << "]\n";
        for (auto& kv : g.second)
            text << kv.first << '=' << Escape(kv.second) << '\n';
        text << '\n';
    }
    std::error_code ec;
    fs::create_directories(loc.file.parent_path(), ec);
    fs::path temp = loc.file;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text.str();
        out.flush();
        if (!out) {
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, loc.file, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace tw
