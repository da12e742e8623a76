#include "ui/nesting_state.h"

bool IsConverting = false;
bool IsReturningFocus = false;
bool IsRejectingBase = false;

namespace {

bool ClosingBegun = false;

}  // namespace

bool IsClosing() {
    return ClosingBegun;
}

void BeginClosing() {
    ClosingBegun = true;
}
