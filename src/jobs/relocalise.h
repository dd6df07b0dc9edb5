// SPDX-License-Identifier: MIT
// Texts a job holds in the language it was saved in (surface types, constructions, products)
// found again in another language by their position in that language's lists and tables.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tw {

// The same lists in every installed language, by position.
struct Vocabulary {
    std::vector<std::vector<std::string>> surfaceTypes;  // list 201 of each language
    std::vector<std::vector<std::string>> constructions; // TableD column 1 of each language
    std::vector<std::vector<std::pair<std::string, std::string>>> products; // TableC groups, names
};

// Position of a text in any language's list; nothing when no language has it.
std::optional<std::size_t> PositionInAnyLanguage(const std::vector<std::vector<std::string>>& lists,
                                                 const std::string& text);

// The items of option list `list` in the ITEM records of a resource file's lines.
std::vector<std::string> ListItemsOfResource(const std::vector<std::string>& lines, int list);

} // namespace tw
