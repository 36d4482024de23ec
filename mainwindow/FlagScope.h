#pragma once
// A flag of the main window set for the length of a block (a tick running, a
// control being filled by the program, tabs being switched by the program) and
// given back on every way out of it.

#include <utility>

namespace ombrix {

class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag), m_saved(std::exchange(flag, true)) {}
    ~FlagScope() { m_flag = m_saved; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
    bool m_saved;
};

} // namespace ombrix
