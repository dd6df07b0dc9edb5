// SPDX-License-Identifier: MIT
// Opening a job file at start-up.
#include "frm/frm_main.h"
#include "shell/text_file.h"

namespace tw {

bool FrmMain::JobFileLoad(const std::string& path, bool isTemplate) {
    LogWrite(">JobFileLoad(" + path + ", " + (isTemplate ? "True" : "False") + ")");
    // The job's records are applied to the window by the job-file reader; here the file must
    // at least be there and readable, or the caller falls back to the template.
    return static_cast<bool>(OpenTextFile(path));
}

} // namespace tw
