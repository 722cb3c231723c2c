#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace pagoranto::testing {

// Sets an environment variable, or removes it when value is empty, for the object's lifetime;
// tests point XDG_DATA_HOME into their scratch directory so nothing goes to the user's trash.
class ScopedVariable {
public:
    ScopedVariable(std::string name, const std::string &value) : m_name(std::move(name))
    {
        if (const char *old = std::getenv(m_name.c_str()))
            m_old = old;
        Set(value.empty() ? std::nullopt : std::optional<std::string>(value));
    }
    ~ScopedVariable() { Set(m_old); }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    void Set(const std::optional<std::string> &value) const
    {
        if (value)
            ::setenv(m_name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace pagoranto::testing
