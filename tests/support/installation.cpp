// SPDX-License-Identifier: MIT
#include "support/installation.h"

#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace tw::test {

fs::path SourceDir() {
    return fs::path(TW_SOURCE_DIR);
}

Installation::Installation(bool empty) {
    std::random_device rd;
    folder_ = fs::temp_directory_path() /
              ("tarnwell-test-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(folder_);
    if (!empty) {
        fs::copy(SourceDir() / "opdata", folder_ / "opdata", fs::copy_options::recursive);
        fs::copy(SourceDir() / "proddata", folder_ / "proddata", fs::copy_options::recursive);
    }
    machine_ = std::make_unique<Headless>(folder_.string(), ConfigFolder());
}

Installation::~Installation() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

std::unique_ptr<FrmMain> Installation::NewWindow() {
    return std::make_unique<FrmMain>(*machine_);
}

std::unique_ptr<FrmMain> Installation::Start(const std::string& commandLine) {
    auto window = NewWindow();
    window->Form_Load(commandLine);
    return window;
}

void Installation::WriteFile(const std::string& relative, const std::string& bytes) {
    fs::path path = folder_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace tw::test
