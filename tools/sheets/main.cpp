// SPDX-License-Identifier: MIT
// Writes the supplier's documents that the equipment page links to, from the five catalogue
// files in proddata/: one technical data sheet per sheet file named in the product lists, and
// the product catalogue.
//
//   make_sheets <proddata folder> <resource file> <sheet folder> <catalogue.pdf>
//
// The resource file (opdata/default.lng) gives the 50 Hz factors that the sheets quote, so the
// documents say what the selection computes. Pages are A4, set in DejaVu Sans.
#include "catalogue_pdf.h"
#include "data_sheet.h"
#include "sheet_canvas.h"
#include "sheet_catalogue.h"

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_sheets <proddata folder> <resource file> <sheet folder> "
                             "<catalogue.pdf>\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const auto start = std::chrono::steady_clock::now();
    try {
        tw::sheets::LoadFonts();
        const tw::sheets::Catalogue cat = tw::sheets::ReadCatalogue(argv[1], argv[2]);
        const fs::path sheets = argv[3];
        const fs::path catalogue = argv[4];
        fs::create_directories(sheets);
        if (catalogue.has_parent_path()) fs::create_directories(catalogue.parent_path());
        tw::sheets::WriteSheets(cat, sheets);
        tw::sheets::WriteCatalogue(cat, catalogue);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
        std::printf("make_sheets: %zu data sheets in %s, catalogue %s (%lld ms)\n",
                    cat.unitSheets.size() + cat.coolerSheets.size(), sheets.string().c_str(),
                    catalogue.string().c_str(), static_cast<long long>(ms));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sheets: %s\n", e.what());
        return 1;
    }
    return 0;
}
