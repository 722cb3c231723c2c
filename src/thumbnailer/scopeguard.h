#pragma once

#include <utility>

namespace pagoranto {

// Runs its action when it goes out of scope, whichever way the scope is left.
template <typename Action> class ScopeGuard {
public:
    explicit ScopeGuard(Action action) : m_action(std::move(action)) {}
    ~ScopeGuard() { m_action(); }
    ScopeGuard(const ScopeGuard &) = delete;
    ScopeGuard &operator=(const ScopeGuard &) = delete;

private:
    Action m_action;
};

} // namespace pagoranto
