// SPDX-License-Identifier: MIT
// The texts and names the report commands make: the e-mail that carries a job and the file
// names of the page bitmaps.
#pragma once

#include <string>
#include <vector>

namespace tw {

// The subject of every e-mail that carries a job.
extern const char* const kMailSubject;

// The body of the e-mail: a blank line, a rule, "Sent From :", the user's details one per
// line (each after a tab), and a closing rule; lines end with CR LF.
std::string MailBody(const std::vector<std::string>& details);

// The two bitmap files for a name chosen in the save dialog ("Job.bmp", or one of the page
// files themselves, "Job.Page_2.bmp"): "Job.Page_1.bmp" and "Job.Page_2.bmp".
std::vector<std::string> PageBitmapNames(const std::string& chosen);

} // namespace tw
