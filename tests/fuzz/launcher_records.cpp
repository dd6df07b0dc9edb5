// SPDX-License-Identifier: MIT
// The launcher's records at the head of a language file, and the disclaimer file.
#include "launcher/launcher_records.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    tw::LineReader records(tw::SplitAnsiLines(bytes));
    tw::LauncherTexts texts;
    tw::ApplyLauncherRecords(records, texts);
    tw::LineReader disclaimer(tw::SplitAnsiLines(bytes));
    tw::AssembleDisclaimer(disclaimer);
    tw::DisclaimerFileName(bytes);
    return 0;
}
