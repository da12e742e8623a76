#include "engine/narrow_locale_scope.h"

#include <clocale>

namespace {

#if defined(_WIN32)
const char* const kNarrowLocaleNames[] = {"chs"};
#else
// glibc has no "chs"; its GBK locale is the same code page 936.
const char* const kNarrowLocaleNames[] = {"chs", "zh_CN.GBK", "zh_CN.gbk"};
#endif

}  // namespace

NarrowLocaleScope::NarrowLocaleScope() {
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    savedName = current != nullptr ? current : "C";
    for (const char* name : kNarrowLocaleNames) {
        if (std::setlocale(LC_CTYPE, name) != nullptr) {
            active = true;
            break;
        }
    }
}

NarrowLocaleScope::~NarrowLocaleScope() {
    std::setlocale(LC_CTYPE, savedName.c_str());
}

bool NarrowLocaleScope::Active() const {
    return active;
}
