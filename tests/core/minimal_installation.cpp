// SPDX-License-Identifier: MIT
// A scratch installation dressed with a small colour file, resource file and template job of
// the tests' own, so that start-up tests do not hang on the shipped texts and colours.
#include "support/installation.h"

#include <filesystem>
#include <initializer_list>
#include <string>

namespace tw::test {

namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string bytes;
    for (const char* line : lines)
        bytes += std::string(line) + "\r\n";
    return bytes;
}

} // namespace

// Menu text black, hover red, selected white; job files "*.wic"; messages 13 and 15.
void DressMinimal(Installation& installation) {
    installation.WriteFile("opdata/default.col", Lines({"BUTTON\tFORECOLOR\t-\t0\t0\t0",
                                                        "BUTTON\tHIGHLIGHT\t-\t255\t0\t0",
                                                        "BUTTON\tSHADOWSELECT\t-\t255\t255\t255"}));
    installation.WriteFile(
        "opdata/default.lng",
        Lines({"FEXT\t0\tEXT\twic", "MSGBOX\t13\tCAPTION\tClose",
               "MSGBOX\t13\tMESSAGE\tThe job has changed. Close anyway?",
               "MSGBOX\t15\tCAPTION\tOpen job",
               "MSGBOX\t15\tMESSAGE\tThe job file was not found. The default job is loaded.",
               "BUTT\t0\tCAPTION\tJob"}));
    // The shipped template when there is one; else a job file holding only its header.
    if (!std::filesystem::exists(installation.OpData() / "default.fil"))
        installation.WriteFile("opdata/default.fil", Lines({"\"# \",\"Tarnwell\",1,0,0"}));
}

// A job file of the tests' own, written at a path relative to the installation.
std::string WriteJobFile(Installation& installation, const std::string& relative) {
    installation.WriteFile(relative, Lines({"\"# \",\"Tarnwell\",1,0,0"}));
    return (installation.Folder() / relative).string();
}

} // namespace tw::test
