// SPDX-License-Identifier: MIT
// Entry points whose procedures are still being built. Each one leaves this file when its
// real definition lands in its subsystem's folder.
#include "frm/frm_main.h"

namespace tw {

} // namespace tw
