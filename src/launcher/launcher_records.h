// SPDX-License-Identifier: MIT
// What the launcher takes from its files: the launcher records at the head of the language
// file (negative indices) and the disclaimer text.
#pragma once

#include "shell/text_file.h"

#include <array>
#include <string>
#include <vector>

namespace tw {

// The launcher's texts: the windows' own captions until a launcher record replaces them.
struct LauncherTexts {
    // Failure messages and their titles by index; index 1 is shown when the old program file
    // cannot be moved aside, index 2 for any later failure, index 3 when a new program was
    // refused or put back and the previous one starts. Empty unless a MSGBOX record sets them.
    std::array<std::string, 4> messages;
    std::array<std::string, 4> captions;
    std::string updating = "UPDATING EXECUTABLE";
    std::string disclaimerCaption = "Disclaimer";
    std::string closeCaption = "Close";
    std::string showAtStartup = "Show at start-up";
    // Splash pictures named by PICTURE records (file names in the data folder), in file
    // order: each replaces the one before when it can be loaded.
    std::vector<std::string> pictures;
};

// Applies the launcher records of a language file. Only lines of exactly four fields count;
// the first of them whose index is 0 or more ends the reading.
void ApplyLauncherRecords(LineReader& file, LauncherTexts& texts);

// The disclaimer as one text: a non-empty line is appended as it is, an empty line gives a
// paragraph break (CR LF CR LF).
std::string AssembleDisclaimer(LineReader& file);

// The disclaimer file of a language file: "default.lng" gives "default.disclaimer.fil".
std::string DisclaimerFileName(const std::string& languageFile);

} // namespace tw
