// SPDX-License-Identifier: MIT
// Job files: every record kind applied to the window, then the fix-ups after a load. The
// name ends in ".fil", so the load is a template's and runs no calculation afterwards.
#include "fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tw::FrmMain& w = tw::fuzz::Window();
    w.JobFileLoadBytes(tw::fuzz::Text(data, size), "fuzz.fil");
    return 0;
}
