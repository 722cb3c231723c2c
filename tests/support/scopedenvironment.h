#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace pagoranto::testing {

// Sets an environment variable for the life of the object, then puts back what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::string &value) : m_name(std::move(name))
    {
        if (const char *before = std::getenv(m_name.c_str()))
            m_before = before;
        ::setenv(m_name.c_str(), value.c_str(), 1);
    }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;
    ~ScopedEnvironment()
    {
        if (m_before)
            ::setenv(m_name.c_str(), m_before->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }

private:
    std::string m_name;
    std::optional<std::string> m_before;
};

} // namespace pagoranto::testing
