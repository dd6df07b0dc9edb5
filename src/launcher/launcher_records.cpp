// SPDX-License-Identifier: MIT
#include "launcher/launcher_records.h"

#include "shell/ansi.h"
#include "shell/numbers.h"
#include "shell/parse.h"

#include <climits>
#include <optional>

namespace tw {

namespace {

// The record's index as a whole number (halves to even); a text that is no number counts as
// 0, so it ends the launcher's part of the file like any program-wide record. An index no
// record can have gives nothing: that record is skipped.
std::optional<int> RecordIndex(const std::string& text) {
    auto value = ParseNumber(text, '.');
    if (!value) return 0;
    const double index = RoundHalfEven(*value);
    if (!(index >= INT_MIN && index <= INT_MAX)) return std::nullopt;
    return static_cast<int>(index);
}

} // namespace

void ApplyLauncherRecords(LineReader& file, LauncherTexts& texts) {
    while (!file.Eof()) {
        auto fields = ParseInput(file);
        if (UpperBound(fields) != 5) continue;
        const std::optional<int> record = RecordIndex(fields[2]);
        if (!record) continue;
        const int index = *record;
        if (index >= 0) return;
        const std::string type = UpperCase(fields[1]);
        const std::string property = UpperCase(fields[3]);
        const std::string& value = fields[4];
        if (type == "MSGBOX") {
            const int k = -index;
            if (k >= static_cast<int>(texts.messages.size())) continue;
            if (property == "MESSAGE")
                texts.messages[static_cast<std::size_t>(k)] = value;
            else if (property == "CAPTION")
                texts.captions[static_cast<std::size_t>(k)] = value;
        } else if (type == "LABEL") {
            if (property == "CAPTION") texts.updating = value;
        } else if (type == "DLABEL") {
            if (index == -3)
                texts.disclaimerCaption = value;
            else if (index == -2)
                texts.closeCaption = value;
            else if (index == -1)
                texts.showAtStartup = value;
        } else if (type == "PICTURE") {
            if (property == "PICTURE") texts.pictures.push_back(value);
        }
    }
}

std::string AssembleDisclaimer(LineReader& file) {
    std::string text;
    while (!file.Eof()) {
        std::string line = file.ReadLine();
        text += line.empty() ? "\r\n\r\n" : line;
    }
    return text;
}

std::string DisclaimerFileName(const std::string& languageFile) {
    const std::size_t n = CharCount(languageFile);
    return Left(languageFile, n >= 4 ? n - 4 : 0) + ".disclaimer.fil";
}

} // namespace tw
