// SPDX-License-Identifier: MIT
// The command line of tarnwell as a list of steps: the user's actions in the window and the
// outputs, in the order given. Scripts are read here too, so every word is checked before the
// window starts.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnwell {

// A wrong command line or script line; the reason is one line.
struct UsageError : std::runtime_error {
    explicit UsageError(const std::string& reason) : std::runtime_error(reason) {}
};

struct Step {
    enum class Kind {
        // Actions.
        Type,      // field, text
        Choose,    // list, position
        Radio,     // button
        Check,     // box, on
        Unit,      // field
        ClickCell, // grid, row, col
        Cell,      // grid, row, col, text
        Button,    // button
        Answer,    // text
        Save,      // text = path
        Calculate, //
        // Outputs.
        Summary,
        Get,    // numbers
        Grid,   // grid
        Banner, //
        Json,
        Pdf, // text = path
    };
    Kind kind = Kind::Summary;
    std::vector<int> numbers;
    std::string text;
    // Where the step was written: "--type" or "jobs.tws:3".
    std::string origin;

    bool IsOutput() const { return kind >= Kind::Summary; }
};

struct Invocation {
    bool help = false;
    bool version = false;
    // The installation folder, when given; else the executable's folder.
    std::string install;
    // The decimal separator of typed numbers, when given; else the machine's.
    std::optional<char> decimal;
    // The job file to load; empty for the template job.
    std::string job;
    std::vector<Step> steps;
};

// Reads a script file's text; nullopt when it cannot be read.
using FileReader = std::function<std::optional<std::string>(const std::string& path)>;

// The arguments after the program name. Throws UsageError.
Invocation ParseArguments(const std::vector<std::string>& args, const FileReader& read);

// How many words follow the name of a step ("type" takes 2); nullopt for an unknown name.
// "script" is known too: it takes 1.
std::optional<int> StepArity(const std::string& name);

// One step from its name without dashes and its words. Throws UsageError, which names
// `origin`.
Step ParseStep(const std::string& name, const std::vector<std::string>& words,
               const std::string& origin);

// The text of --help.
std::string HelpText();

} // namespace tarnwell
