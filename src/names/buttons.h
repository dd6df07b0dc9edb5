// SPDX-License-Identifier: MIT
// The menu buttons BUTT(i), each with its SHADOW(i). Buttons 0 to 14 stand in the menu
// column with button 22; a page button i opens FRAME(i + 1). Buttons 15 to 21 stand on the
// pages.
#pragma once

namespace tw::button {

enum Menu : int {
    JobData = 0,
    JobFiles = 1,
    RoomSurfaces = 2,
    Products = 3,
    OtherLoads = 4,
    Equipment = 5,
    Infiltration = 6,
    UserDetails = 7,
    Settings = 8,
    Exit = 9,
    OpenJob = 10,
    SaveJob = 11,
    Help = 12,
    Print = 13,
    Mail = 14,
    // 15 and 16 are reserved and do nothing.
    SurfaceListOff = 17,
    ClearProducts = 18,
    NewJob = 19,
    CheckForUpdates = 20,
    DeleteProduct = 21,
    // Writes the report as a PDF file; it stands in the menu column below Print.
    ExportPdf = 22,
};

// The page a page button opens is FRAME(PageOf(b)); FRAME(PageArea) is the area the pages
// stand on.
constexpr int PageArea = 0;
constexpr int PageOf(int b) {
    return b + 1;
}

// The last button of the menu column.
constexpr int LastInColumn = Mail;

// Buttons 0 to 14 and the PDF export stand in the menu column.
constexpr bool InMenuColumn(int b) {
    return b <= LastInColumn || b == ExportPdf;
}

} // namespace tw::button
