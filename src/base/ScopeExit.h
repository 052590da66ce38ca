#pragma once

#include <utility>

namespace quarl::base {

// Runs a function when the scope ends, however it ends: for flags that must be reset even when
// an exception leaves the scope.
template <class Function> class ScopeExit {
public:
    explicit ScopeExit(Function function) : function_(std::move(function)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { function_(); }

private:
    Function function_;
};

// Sets a flag for the length of a scope and restores its earlier value afterwards.
class FlagScope {
public:
    explicit FlagScope(bool& flag, bool value = true) : flag_(flag), previous_(flag) {
        flag_ = value;
    }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;
    ~FlagScope() { flag_ = previous_; }

private:
    bool& flag_;
    bool previous_;
};

} // namespace quarl::base
