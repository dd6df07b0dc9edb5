// SPDX-License-Identifier: MIT
// Resource (language) files: every record applied to the window as the reader applies it.
#include "fixture.h"
#include "shell/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tw::FrmMain& w = tw::fuzz::Window();
    tw::LineReader file(tw::SplitAnsiLines(tw::fuzz::Text(data, size)));
    w.ClearResourceLists();
    w.ApplyResourceLines(file);
    return 0;
}
