// SPDX-License-Identifier: MIT
// Language and colour files as the settings page lists them: the file name without its
// extension ("deutsch" for deutsch.lng), while the settings keep the whole file name.
#pragma once

#include <string>

namespace tw {

// The name a settings list shows for a file: everything before its last dot.
inline std::string ListName(const std::string& file) {
    const std::size_t dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

// The file a chosen list name stands for; a name still ending in its dot (as the lists showed
// it before) gets no second one.
inline std::string SettingFileName(const std::string& name, const std::string& extension) {
    if (!name.empty() && name.back() == '.') return name + extension;
    return name + "." + extension;
}

} // namespace tw
