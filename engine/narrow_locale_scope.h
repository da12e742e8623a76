#pragma once
// Puts the code page 936 locale in force for LC_CTYPE while it lives and the
// previous locale back when it ends, on every path.

#include <string>

class NarrowLocaleScope {
public:
    NarrowLocaleScope();
    ~NarrowLocaleScope();
    NarrowLocaleScope(const NarrowLocaleScope&) = delete;
    NarrowLocaleScope& operator=(const NarrowLocaleScope&) = delete;

    // False when the runtime knows none of the code page 936 locale names:
    // the locale in force then stays.
    bool Active() const;

private:
    std::string savedName;  // owned copy: the runtime reuses its buffer
    bool active = false;
};
