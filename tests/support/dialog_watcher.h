#pragma once
// Watches this thread for dialog boxes (message boxes, the About box) and
// deals with them, so a test that opens a modal box never hangs.
//
// While a DialogWatcher lives, every window of class "#32770" that this
// thread activates is recorded (caption, and the message text of a message
// box) and, once it shows, from inside the box's own modal loop, handed
// to the handler. The default handler presses OK. A box still open
// timeLimitMs after it appeared is ended by the watcher and marked.
// One watcher per thread at a time.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

struct SeenDialog {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;          // a message box's text (static 0xFFFF), else empty
    HWND owner = nullptr;       // the window that owns the box
    bool endedByWatcher = false;  // the handler left it open past the time limit
};

class DialogWatcher {
public:
    using Handler = std::function<void(HWND dialog)>;
    static constexpr DWORD kDefaultTimeLimitMs = 5000;

    explicit DialogWatcher(Handler handler = PressOk, DWORD timeLimitMs = kDefaultTimeLimitMs);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    const std::vector<SeenDialog>& Seen() const { return seen; }

    // Posts WM_COMMAND IDOK to the box: closes message boxes with an OK button.
    static void PressOk(HWND dialog);

private:
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD);
    void OnActivate(HWND dialog);
    void OnTick();

    struct Pending {
        HWND window;
        bool handled;
        ULONGLONG deadline;
    };

    Handler handler;
    DWORD timeLimitMs;
    HHOOK hook = nullptr;
    UINT_PTR timer = 0;
    std::vector<SeenDialog> seen;
    std::vector<Pending> pending;
};

}  // namespace testsupport
