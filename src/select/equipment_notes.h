// SPDX-License-Identifier: MIT
// What the banner says about an equipment selection: how many units would reach a load no
// single model reaches, the balance point against the design load, a refrigerant's GWP.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tw {

// The smallest count from `from` up to `most`, in steps of `step`, for which `fits` holds;
// nothing when none does.
std::optional<int> SmallestCount(int from, int most, int step,
                                 const std::function<bool(int)>& fits);

// The GWP a refrigerant's list item states ("R404A (GWP 3922, AR4)" gives 3922).
std::optional<int> StatedGwp(const std::string& item);

// The refrigerant's name in its list item: the text before " (".
std::string RefrigerantName(const std::string& item);

// The balance capacity as a whole percentage of the design load (rounded half up); nothing
// without a balance point or a design load.
std::optional<int> BalanceShare(double balance, double designLoad);

// A text with %1, %2, ... replaced by the arguments.
std::string FillIn(std::string text, const std::vector<std::string>& args);

} // namespace tw
