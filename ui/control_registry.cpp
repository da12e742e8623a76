// The control registry and the factories that fill it.
//
// The counter, the 21 identifiers (drawn in table order, 201 to 221), the
// three maps and the engine object are initialised statically and in this
// order, which is the reason they all live in one file; at exit they go in the
// reverse order. Another file must not read an identifier during its own
// static initialisation: the order between files is not fixed. The
// window-wide globals start null before any code runs.
#include "ui/control_registry.h"

#include <commctrl.h>

namespace {

ControlId IdCounter = 200;  // the last identifier drawn

template <typename Value>
void InsertIfAbsent(std::map<ControlId, Value>& map, ControlId id, Value value) {
    map.emplace_hint(map.end(), id, value);  // keeps an existing entry unchanged
}

template <typename Value>
Value FindOrNull(const std::map<ControlId, Value>& map, ControlId id) {
    const auto found = map.find(id);
    return found == map.end() ? nullptr : found->second;
}

}  // namespace

ControlId NextControlId() {
    return ++IdCounter;
}

const ControlId IDC_STATUSBAR = NextControlId();
const ControlId IDC_INPUT = NextControlId();
const ControlId IDC_ARROW_GO = NextControlId();
const ControlId IDC_OUTPUT = NextControlId();
const ControlId IDC_10_TO_2 = NextControlId();
const ControlId IDC_2_TO_10 = NextControlId();
const ControlId IDC_10_TO_8 = NextControlId();
const ControlId IDC_8_TO_10 = NextControlId();
const ControlId IDC_10_TO_16 = NextControlId();
const ControlId IDC_16_TO_10 = NextControlId();
const ControlId IDC_2_TO_8 = NextControlId();
const ControlId IDC_8_TO_2 = NextControlId();
const ControlId IDC_2_TO_16 = NextControlId();
const ControlId IDC_16_TO_2 = NextControlId();
const ControlId IDC_8_TO_16 = NextControlId();
const ControlId IDC_16_TO_8 = NextControlId();
const ControlId IDC_CUSTOM = NextControlId();
const ControlId IDC_FROM_BASE = NextControlId();
const ControlId IDC_TO_BASE = NextControlId();
const ControlId IDC_CLEAR = NextControlId();
const ControlId IDC_CONVERT = NextControlId();

std::map<ControlId, HWND> ControlMap;
std::map<ControlId, const wchar_t*> HintMap;
std::map<ControlId, WNDPROC> PreviousProcMap;

BaseConverter Converter;

HWND FindControl(ControlId id) {
    return FindOrNull(ControlMap, id);
}

const wchar_t* FindHint(ControlId id) {
    return FindOrNull(HintMap, id);
}

WNDPROC FindPreviousProc(ControlId id) {
    return FindOrNull(PreviousProcMap, id);
}

void RecordControl(ControlId id, HWND window) {
    InsertIfAbsent(ControlMap, id, window);
}

void RecordHint(ControlId id, const wchar_t* hint) {
    InsertIfAbsent(HintMap, id, hint);
}

void RecordPreviousProc(ControlId id, WNDPROC proc) {
    InsertIfAbsent(PreviousProcMap, id, proc);
}

// The window-wide globals and the screen's scale.

HINSTANCE AppInstance = nullptr;
HWND MainWindow = nullptr;
HFONT UiFont = nullptr;

namespace {

constexpr int kDesignDpi = 96;

int ReadScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

// The screen's DPI is read once, on first use, which comes after WinMain has
// declared the process DPI aware.
int ScreenDpi() {
    static const int dpi = ReadScreenDpi();
    return dpi;
}

}  // namespace

int ScaledToScreen(int pixels) {
    return MulDiv(pixels, ScreenDpi(), kDesignDpi);
}

// The factories.

namespace {

constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;                      // 0x50800000
constexpr DWORD kRadioStyle = WS_CHILD | WS_VISIBLE | BS_CENTER | BS_AUTORADIOBUTTON;    // 0x50000309
constexpr DWORD kPushButtonStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | BS_PUSHBUTTON;    // 0x50800000
constexpr DWORD kGroupBoxStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;                    // 0x50000007

HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
                 int height, ControlId childId) {
    return CreateWindowExW(0, className, text, style, x, y, width, height, MainWindow,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(childId)), AppInstance, nullptr);
}

// The steps every identified control goes through: handle, hint, then the
// subclass procedure with the procedure it replaces. The results of the
// platform calls are recorded as they come, null included.
void RecordAndSubclass(ControlId id, HWND window, const wchar_t* hint, WNDPROC subclass) {
    RecordControl(id, window);
    RecordHint(id, hint);
    if (subclass != nullptr) {
        const LONG_PTR previous =
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass));
        RecordPreviousProc(id, reinterpret_cast<WNDPROC>(previous));
    }
}

}  // namespace

void AddStatusBar() {
    // The bar lays itself out along the parent's bottom edge: this rectangle is never seen.
    RecordControl(IDC_STATUSBAR, CreateChild(STATUSCLASSNAMEW, nullptr, kStatusBarStyle, -100, -100, 10, 10, 0));
}

void AddEditBox(ControlId id, DWORD style, const wchar_t* hint, int x, int y, int width, int height,
                WNDPROC subclass) {
    RecordAndSubclass(id, CreateChild(L"Edit", nullptr, style, x, y, width, height, id), hint, subclass);
}

void AddRadioButton(ControlId id, const wchar_t* caption, const wchar_t* hint, int x, int y, int width,
                    int height, WNDPROC subclass) {
    RecordAndSubclass(id, CreateChild(L"Button", caption, kRadioStyle, x, y, width, height, id), hint, subclass);
}

void AddPushButton(ControlId id, const wchar_t* caption, const wchar_t* hint, int x, int y, int width,
                   int height, WNDPROC subclass) {
    const HWND button = CreateChild(L"Button", caption, kPushButtonStyle, x, y, width, height, id);
    RecordAndSubclass(id, button, hint, subclass);
    // After subclassing, so a subclassed button sees the font go by.
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont), TRUE);
}

void AddGroupBox(int x, int y, int width, int height) {
    CreateChild(L"Button", nullptr, kGroupBoxStyle, x, y, width, height, 0);
}
