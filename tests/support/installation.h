// SPDX-License-Identifier: MIT
// A scratch installation for tests: a temporary folder holding copies of the shipped opdata
// and proddata (or a subset), a private settings folder, and a headless machine.
#pragma once

#include "frm/frm_main.h"
#include "platform/Headless.h"

#include <filesystem>
#include <memory>
#include <string>

namespace tw::test {

std::filesystem::path SourceDir();

class Installation {
public:
    // Copies the shipped data folders unless `empty` is set.
    explicit Installation(bool empty = false);
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path OpData() const { return folder_ / "opdata"; }
    std::filesystem::path ConfigFolder() const { return folder_ / "config"; }
    Headless& Machine() { return *machine_; }

    // A fresh FrmMain on this installation (not yet loaded).
    std::unique_ptr<FrmMain> NewWindow();
    // A FrmMain after its load event with the given command line.
    std::unique_ptr<FrmMain> Start(const std::string& commandLine = "");

    void WriteFile(const std::string& relative, const std::string& bytes);

private:
    std::filesystem::path folder_;
    std::unique_ptr<Headless> machine_;
};

} // namespace tw::test
