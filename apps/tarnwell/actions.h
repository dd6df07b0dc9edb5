// SPDX-License-Identifier: MIT
// The user's actions on the started window, each done the way the window's controls do it:
// the page opened, the focus moved, the keys pressed one by one, the click raised.
#pragma once

#include "arguments.h"
#include "batch_machine.h"
#include "frm/frm_main.h"

#include <string>
#include <vector>

namespace tarnwell {

// The save failed: the program could not do what was asked (exit status 1).
struct SaveFailure {
    std::string reason;
};

class Actions {
public:
    Actions(tw::FrmMain& window, BatchMachine& machine) : w_(window), machine_(machine) {}

    // Checks that the step names controls the window has and a job file name the program
    // saves. Throws ActionFailure.
    void Check(const Step& step);
    // Performs an action step. Throws ActionFailure, SaveFailure or tw::ProgramEnd.
    void Perform(const Step& step);

    // Notes for the user's standard error (characters a field refused), taken once.
    std::vector<std::string> TakeNotes();

private:
    void Type(const Step& step);
    void Choose(const Step& step);
    void Radio(const Step& step);
    void CheckBox(const Step& step);
    void Unit(const Step& step);
    void ClickCell(const Step& step);
    void Cell(const Step& step);
    void Button(const Step& step);
    void Save(const Step& step);

    // Opens the page a control sits on, as its menu button does, when it is hidden.
    void ShowPageOf(tw::ControlRef ref);
    // Types the text key by key; returns the characters the key handlers refused.
    std::string TypeKeys(tw::ControlRef target, const std::string& text);
    void NoteRefused(const Step& step, const std::string& refused);
    [[noreturn]] void Fail(const Step& step, const std::string& reason) const;

    tw::FrmMain& w_;
    BatchMachine& machine_;
    std::vector<std::string> notes_;
};

} // namespace tarnwell
