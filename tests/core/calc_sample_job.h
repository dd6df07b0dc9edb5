// SPDX-License-Identifier: MIT
// A typical job for the calculation tests and the benchmark: a walk-in cooler of 20 × 10 ×
// 8 ft at 35 °F inside a 95 °F building, four walls, floor and ceiling, one door with strip
// curtains, two fan motors, the default product.
#pragma once

#include "frm/frm_main.h"

#include <string>
#include <utility>

namespace tw::test {

inline void LoadSampleJob(FrmMain& w) {
    const std::pair<int, const char*> fields[] = {
        {12, "16"},  {102, "95"}, {212, "95"}, {103, "35"}, {312, "35"}, {501, "35"}, {500, "95"},
        {502, "10"}, {506, "10"}, {600, "95"}, {619, "1"},  {620, "4"},  {621, "7"},  {622, "1"},
        {623, "50"}, {640, "0"},  {641, "50"}, {659, "0"},  {669, "0"},  {400, "1"},  {402, "8"},
        {405, "24"}, {406, "1"},  {407, "2"},  {408, "0"},  {409, "0"},  {411, "0"},  {412, "0"},
        {414, "0"},  {415, "0"},  {417, "0"},  {418, "0"},  {420, "0"},  {421, "0"},  {522, "1"},
        {542, "1"},  {13, "20"},  {14, "10"},  {15, "8"}};
    w.IsLoading = true;
    for (const auto& [n, value] : fields)
        w.SetFieldValue(n, value);
    w.IsLoading = false;

    // Four walls, floor and ceiling; the dimensions as the room-size fields spread them.
    w.RADIO[200].SetValue(true);
    for (int c : {2, 3, 6, 7})
        w.SetCellValue(200, 2, c, "20");
    for (int c : {4, 5})
        w.SetCellValue(200, 2, c, "10");
    for (int c : {6, 7})
        w.SetCellValue(200, 3, c, "10");
    for (int c : {2, 3, 4, 5})
        w.SetCellValue(200, 3, c, "8");

    // The door method with normal use.
    w.RADIO[603].SetValue(true);
    w.RADIO[601].SetValue(true);
}

} // namespace tw::test
