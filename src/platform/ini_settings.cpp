// SPDX-License-Identifier: MIT
#include "platform/ini_settings.h"

#include "base/posix_write.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
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

std::vector<std::pair<std::string, std::string>>* IniFile::Find(const std::string& group) {
    for (auto& g : groups)
        if (Lower(g.first) == Lower(group)) return &g.second;
    return nullptr;
}

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

namespace {

std::string Render(const IniFile& ini) {
    std::ostringstream text;
    for (auto& g : ini.groups) {
        text << '[' << g.first << "]\n";
        for (auto& kv : g.second)
            text << kv.first << '=' << Escape(kv.second) << '\n';
        text << '\n';
    }
    return text.str();
}

void Set(IniFile& ini, const std::string& groupName, const std::string& key,
         const std::string& value) {
    auto* group = ini.Find(groupName);
    if (!group) {
        ini.groups.push_back({groupName, {}});
        group = &ini.groups.back().second;
    }
    for (auto& kv : *group)
        if (Lower(kv.first) == Lower(key)) {
            kv.second = value;
            return;
        }
    group->push_back({key, value});
}

const std::string* Lookup(IniFile& ini, const std::string& groupName, const std::string& key) {
    if (auto* group = ini.Find(groupName))
        for (auto& kv : *group)
            if (Lower(kv.first) == Lower(key)) return &kv.second;
    return nullptr;
}

// An open file descriptor closed on every way out.
struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
};

} // namespace

IniFile& IniSettings::Cached(const fs::path& file) const {
    auto it = cache_.find(file);
    if (it == cache_.end()) it = cache_.emplace(file, Load(file)).first;
    return it->second;
}

std::string IniSettings::Get(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& fallback) const {
    IniLocation loc = SettingsLocation(folder_, app, section);
    const std::string* value = Lookup(Cached(loc.file), loc.group, key);
    return value ? *value : fallback;
}

bool IniSettings::Save(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value) const {
    IniLocation loc = SettingsLocation(folder_, app, section);
    IniFile& known = Cached(loc.file);
    // A value that is already stored is not written again.
    if (const std::string* current = Lookup(known, loc.group, key); current && *current == value)
        return true;

    std::error_code ec;
    const fs::path folder = loc.file.parent_path();
    fs::create_directories(folder, ec);
    // Another program may save at the same moment: the lock file orders the saves, and each
    // one changes only its own key over what the file holds now.
    fs::path lockPath = loc.file;
    lockPath += ".lock";
    Fd lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.fd < 0) return false;
    while (::flock(lock.fd, LOCK_EX) != 0)
        if (errno != EINTR) return false;

    IniFile ini = Load(loc.file);
    Set(ini, loc.group, key, value);
    const std::string text = Render(ini);

    // Under the lock no other save is under way, so a temporary file left by a save that was
    // killed is stale: it goes before this save writes its own.
    const std::string tempPrefix = loc.file.filename().string() + ".tmp";
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, tempPrefix.size(), tempPrefix) == 0) fs::remove(entry.path(), ec);
    }
    std::string temp = (folder / (tempPrefix + "XXXXXX")).string();
    Fd out(::mkstemp(temp.data()));
    if (out.fd < 0) return false;
    ::fchmod(out.fd, 0600);
    const bool written = WriteAll(out.fd, text) && ::fsync(out.fd) == 0;
    if (!written || ::rename(temp.c_str(), loc.file.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        errno = error;
        return false;
    }
    SyncFolder(folder);
    known = std::move(ini);
    return true;
}

} // namespace tw
