// SPDX-License-Identifier: MIT
// Print forms: read and laid out on the recording surface, every field code expanded from
// the window's content, long texts wrapped in the window's wrap box.
#include "fixture.h"
#include "platform/recording_surface.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tw::FrmMain& w = tw::fuzz::Window();
    tw::RecordingSurface page("ImageBuilder");
    w.PrintFormBytes(tw::fuzz::Text(data, size), "fuzz.frm", page, w.WrapBox);
    return 0;
}
