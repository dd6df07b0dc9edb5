// SPDX-License-Identifier: MIT
// Sets a flag for a scope and puts back what it was, also when a step throws, so a failed or
// nested step never leaves a guard of the window switched on or off.
#pragma once

namespace tw {

class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = before_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool before_;
};

} // namespace tw
