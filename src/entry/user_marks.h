// SPDX-License-Identifier: MIT
// What the user typed over: the fields and option groups whose values the calculation and the
// defaults must leave alone. The override colour on screen is drawn from these marks and never
// read back, so a colour scheme can change every colour without losing one. A grid cell
// carries its own mark (GridCell::entered), so it moves and goes with its column.
#pragma once

#include "ui/controls.h"

#include <set>

namespace tw {

class UserMarks {
public:
    bool Field(int n) const { return fields_.count(n) != 0; }
    void SetField(int n, bool entered) { Set(fields_, n, entered); }
    // An option group, by the frame that holds its buttons.
    bool Group(ControlRef frame) const { return groups_.count(frame) != 0; }
    void SetGroup(ControlRef frame, bool entered) { Set(groups_, frame, entered); }
    const std::set<int>& Fields() const { return fields_; }
    const std::set<ControlRef>& Groups() const { return groups_; }

private:
    template <typename Key> static void Set(std::set<Key>& marks, const Key& key, bool entered) {
        if (entered)
            marks.insert(key);
        else
            marks.erase(key);
    }

    std::set<int> fields_;
    std::set<ControlRef> groups_;
};

} // namespace tw
