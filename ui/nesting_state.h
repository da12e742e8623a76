#pragma once
// The state that exists only because procedures nest on the one GUI thread:
// a SetFocus delivers WM_KILLFOCUS before it returns, a sent message is
// handled before SendMessageW returns, and a message box runs its own message
// loop inside the procedure that opened it. All of it lives here, in one idiom:
// a state that lasts while one call runs is a flag set by a FlagScope; the
// closing state is a latch that never opens again.

// True exactly while a conversion runs; a second one started meanwhile only
// tells the user so. Set and cleared by RunConversion itself.
extern bool IsConverting;

// True while the program hands the focus back to the input box after acting
// on a click: a base box holding a rejected base then keeps the focus
// without a second warning, as the press that began the click has warned.
extern bool IsReturningFocus;

// True while a base box handles its rejected base (the warning, taking the
// focus back): every base box then lets its focus go unchecked, so the two
// cannot take the focus from each other without end.
extern bool IsRejectingBase;

// Sets a flag for as long as it lives and puts back the value it found when
// it ends, on every path, so scopes of the same flag nest.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = previous_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

// The main window has begun to close: from then on no base box checks its
// base or warns.
bool IsClosing();
void BeginClosing();
