// SPDX-License-Identifier: MIT
// The texts and names the report commands make: the e-mail that carries a job and the file
// names of the page bitmaps.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tw {

// Strings of the resource file the report prints: the note under a table that goes on
// overleaf, the heading mark of a continued table, the page footer ("Page %1 of %2"), and
// the equipment page's words when no condensing unit or no cooler fits.
constexpr std::size_t kStringContinuedOverleaf = 60;
constexpr std::size_t kStringContinued = 61;
constexpr std::size_t kStringPageOf = 62;
// The printed date, a strftime format: "%Y-%m-%d", "%d.%m.%Y".
constexpr std::size_t kStringDateFormat = 63;

// Messages of the report commands: the PDF was written (open it?), it could not be written,
// no viewer could open it, no mail program could be started, no browser or viewer could
// open a help page, data sheet or the catalogue.
constexpr int kMessagePdfWritten = 40;
constexpr int kMessagePdfNotWritten = 41;
constexpr int kMessageNoViewer = 42;
constexpr int kMessageNoMailProgram = 43;
constexpr int kMessageNoBrowser = 44;

// The subject of every e-mail that carries a job.
extern const char* const kMailSubject;

// The body of the e-mail: a blank line, a rule, "Sent From :", the user's details one per
// line (each after a tab), and a closing rule; lines end with CR LF.
std::string MailBody(const std::vector<std::string>& details);

// The picture files of a report of `pages` pages for a name chosen in the save dialog
// ("Job.bmp", or one of the page files themselves, "Job.Page_2.bmp"): "Job.Page_1.bmp",
// "Job.Page_2.bmp" ...; PNG files when the name ends in ".png", bitmaps otherwise.
std::vector<std::string> PageBitmapNames(const std::string& chosen, int pages = 2);

} // namespace tw
