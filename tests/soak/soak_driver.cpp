// A soak run against the real Quendrix.exe: seeded random real input, one
// event at a time, and after each a look at what a user can see. The process
// must still run (else: crash), its window must answer within 5 s (else:
// hang), at most one message box may come from an event and none once closing
// began (else: chain), and a result shown must be the one this driver's own
// model of the window expects (else: wrong result). Each event is logged
// before it is sent; --replay sends the events of a log again.
//
//   soak_driver --exe PATH --log FILE [--events N] [--seed S] [--replay LOG]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/tests/conversion_oracle.h"
#include "tests/support/app_process.h"
#include "tests/support/gui_session.h"
#include "tests/support/real_input.h"

using namespace testsupport;

namespace {

// The program's control identifiers, in layout order, and the About box's close button.
enum : int { kInput = 202, kArrow, kOutput, kFirstPair, kCustom = 217, kFrom, kTo, kClear, kConvert };
constexpr int kAboutClose = 203;
const wchar_t kInvalid[] = L"输入有误！";

enum Kind { Move, Click, Double, Right, Drag, Key, Ctrl, Unicode, Paste, BaseText, Menu, AboutClose, CloseApp };
struct KindRow {
    const char* name;
    int weight;
};
// The mix of events; "about" closes the About box and is sent whenever it is open.
const KindRow kKinds[] = {{"move", 5}, {"click", 26},  {"double", 4}, {"right", 4}, {"drag", 5},
                          {"key", 20}, {"ctrl", 6},    {"unicode", 6}, {"paste", 6}, {"base", 7},
                          {"menu", 5}, {"about", 0},   {"close", 1}};
struct TargetRow {
    int id, weight;
};
// Where the mouse goes: a control (the twelve pairs share a row), anywhere in the client area (0), the menu bar (-1).
const TargetRow kTargets[] = {{0, 10},      {-1, 3},     {kInput, 8},  {kArrow, 14},   {kOutput, 3},
                              {kCustom, 6}, {kFrom, 10}, {kTo, 10},    {kClear, 6}, {kConvert, 14}, {kFirstPair, 24}};
constexpr int kShift = 0x100;
const WORD kKeys[] = {'0', '1', '2', '7', '9', 'A', 'F', 'G', 'Z', VK_OEM_MINUS, VK_OEM_PLUS, VK_OEM_PERIOD,
                      VK_RETURN, VK_RETURN, VK_RETURN, VK_RETURN, VK_RETURN, VK_SPACE, VK_SPACE, VK_TAB,
                      VK_BACK, VK_BACK, VK_DELETE, VK_ESCAPE, VK_LEFT, VK_HOME};
const WORD kCtrlKeys[] = {'C', 'V', 'X', 'Z'};
const WORD kFileCommands[] = {0, 'X', VK_ESCAPE};
const WORD kHelpCommands[] = {0, 'U', 'W', 'A', VK_ESCAPE};
const wchar_t* const kBaseTexts[] = {L"0",  L"1", L"2",  L"36", L"37",    L"007", L"+5", L"-5", L"12345678901234567890",
                                     L"16", L"8", L"10", L"35", L"16abc", L" 9"};
// Typed and pasted characters: digits and letters, Chinese, characters code
// page 936 holds (é, €, Ж, full-width 1) and ones it lacks (ñ, ©, ², ™, an
// emoji, lone surrogates).
const wchar_t* const kChars[] = {L"0", L"1", L"5", L"9", L"a", L"f", L"z", L"B", L"F", L"Z",
                                 L" ", L"-", L"+", L".", L"?", L"中", L"进", L"制", L"é", L"€",
                                 L"Ж", L"１", L"ñ", L"©", L"²", L"™", L"\U0001F600", L"\xD800", L"\xDC00"};
const wchar_t* const kDigitSets[] = {L"0123456789", L"0123456789abcdefABCDEF", L"01"};

struct Event {
    Kind kind = Move;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // client coordinates of the press and the release
    int key = 0;                         // a key, a menu and its command, a base text, a way to close
    unsigned seed = 0;                   // of the event's text and of how its boxes are closed
    int length = 0;                      // of the text; for a base text 1 when it is pasted
};

// What a user sees of the program.
struct View {
    std::wstring input, output, from, to;
    int checked = 0;    // the checked radio button
    int focus = 0;      // the control with the focus, 0 for none
    bool menu = false;  // a menu is open
    RECT popup{};       // where the open popup menu is, on the screen
};

template <typename Row, std::size_t N>
int Pick(std::mt19937& rng, const Row (&rows)[N]) {
    int at = 0;
    for (const Row& row : rows) at += row.weight;
    at = static_cast<int>(rng() % at);
    int i = 0;
    while ((at -= rows[i].weight) >= 0) ++i;
    return i;
}

std::wstring MakeText(unsigned seed, int length) {
    std::mt19937 rng(seed);
    const unsigned style = rng() % 4;  // digits of base 10, 16 or 2, or the whole mix
    std::wstring text;
    while (static_cast<int>(text.size()) < length) {
        text += style < 3 ? std::wstring(1, kDigitSets[style][rng() % wcslen(kDigitSets[style])])
                          : std::wstring(kChars[rng() % std::size(kChars)]);
    }
    return text;
}

// A base box read as the program reads it (atoi): 2 to 36, or 0 when it stores nothing.
int BaseIn(const std::wstring& text) {
    std::size_t i = text.find_first_not_of(L" \t\n\v\f\r");
    const bool negative = i < text.size() && text[i] == L'-';
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ++i;
    int value = 0;
    while (i < text.size() && text[i] >= L'0' && text[i] <= L'9') value = std::min(value * 10 + text[i++] - L'0', 99);
    return !negative && value >= 2 && value <= 36 ? value : 0;
}

bool InCodePage936(const std::wstring& character) {
    char bytes[8];
    BOOL usedDefault = FALSE;
    return WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, character.data(), static_cast<int>(character.size()), bytes,
                               sizeof bytes, nullptr, &usedDefault) > 0 && !usedDefault;
}

// The result the program must show for an input under a pair.
std::wstring Expected(const std::wstring& input, int source, int target) {
    std::wstring same;  // equal bases: upper-cased, '?' for each character code page 936 lacks
    std::string narrow;
    for (std::size_t i = 0; i < input.size();) {
        const std::size_t units = IS_SURROGATE_PAIR(input[i], i + 1 < input.size() ? input[i + 1] : 0) ? 2 : 1;
        const std::wstring character = input.substr(i, units);
        same += InCodePage936(character) ? character : L"?";
        if (same.back() >= L'a' && same.back() <= L'z') same.back() = static_cast<wchar_t>(same.back() - 32);
        if (same.back() < 0x80) narrow += static_cast<char>(same.back());
        i += units;
    }
    if (source == target || input.empty()) return same;
    if (narrow.size() != input.size()) return kInvalid;  // no digit is outside ASCII
    const OracleResult result = OracleConvert(narrow, source, target);
    return result.failed ? kInvalid : std::wstring(result.text.begin(), result.text.end());
}

// The start of a text, in UTF-8 for the log.
std::string Preview(const std::wstring& text) {
    std::string bytes(80, '\0');
    bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(std::min<std::size_t>(text.size(), 24)),
                                     bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr));
    return "\"" + bytes + (text.size() > 24 ? "\"... (" + std::to_string(text.size()) + ")" : "\"");
}

constexpr DWORD kDown = MOUSEEVENTF_LEFTDOWN, kUp = MOUSEEVENTF_LEFTUP;

void ClickOn(POINT screen) {
    MouseAt(screen, {kDown, kUp});
}

void Type(const std::wstring& text) {
    std::vector<INPUT> inputs(text.size() * 2);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wScan = text[i / 2];
        inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i % 2 ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PasteText(const std::wstring& text) {
    PutOnClipboard(text);
    PressKeys({VK_CONTROL, 'V'});
}

// The close box in a window's caption, in screen coordinates.
POINT CloseBoxOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
    return {rect.right - frame - GetSystemMetrics(SM_CXSIZE) / 2, rect.top + frame + GetSystemMetrics(SM_CYSIZE) / 2};
}

class Soak {
public:
    Soak(std::wstring exe, FILE* log) : exe_(std::move(exe)), log_(log) {}

    bool Start() {
        app_ = std::make_unique<AppProcess>();
        if (!app_->Start(exe_)) return false;
        main_ = app_->Window();
        thread_ = GetWindowThreadProcessId(main_, nullptr);
        SetForegroundWindow(main_);
        PumpUntil([&] { return GetForegroundWindow() == main_; }, 3000);
        source_ = 10, target_ = 2;
        view_ = Observe();
        return true;
    }

    Event Next(std::mt19937& rng) const {
        Event e;
        e.seed = rng();
        const unsigned r = rng(), s = rng();
        e.kind = Box(false) ? AboutClose : static_cast<Kind>(Pick(rng, kKinds));
        if (e.kind <= Drag) RandomPoint(rng, &e.x1, &e.y1);
        e.x2 = e.x1, e.y2 = e.y1;
        if (e.kind == Drag) RandomPoint(rng, &e.x2, &e.y2);
        switch (e.kind) {
        case Key: e.key = kKeys[r % std::size(kKeys)] | (s % 5 ? 0 : kShift); break;
        case Ctrl: e.key = kCtrlKeys[r % std::size(kCtrlKeys)]; break;
        case Unicode: e.length = 1 + r % 8; break;
        case Paste: e.length = 1 + s % (r % 10 < 7 ? 20 : r % 10 < 9 ? 1000 : 30000); break;
        case BaseText: e.key = r % std::size(kBaseTexts), e.length = s % 2; break;
        case Menu: e.key = r % 2 ? 'F' << 8 | kFileCommands[s % 3] : 'H' << 8 | kHelpCommands[s % 5]; break;
        case AboutClose: e.key = r % 6; break;
        default: break;
        }
        return e;
    }

    void Log(int index, const Event& e) const {
        std::string note;
        if (e.kind <= Drag) note = "on " + std::to_string(ControlAt(e.x1, e.y1));
        if (e.kind == Drag) note += " to " + std::to_string(ControlAt(e.x2, e.y2));
        if (e.kind == Unicode || e.kind == Paste) note = Preview(MakeText(e.seed, e.length));
        if (e.kind == BaseText) note = Preview(kBaseTexts[e.key]);
        fprintf(log_, "%d %s %d %d %d %d %d %u %d # %s\n", index, kKinds[e.kind].name, e.x1, e.y1, e.x2, e.y2, e.key,
                e.seed, e.length, note.c_str());
        fflush(log_);
    }

    // Sends one event, lets the program handle it, and checks what it shows.
    void Run(const Event& e) {
        ++events_;
        boxes_ = 0;
        const View before = view_;
        if (!Send(e) || !Settle(e.seed, false)) return Restart();
        if (e.kind == CloseApp && !before.menu) {  // an open menu takes the click for itself
            if (!PumpUntil([&] { return Ended(); }, 5000)) Fail(hangs_, "hang", "the close box left the program open");
            return Restart();
        }
        if (boxes_ > 1) Fail(chains_, "chain", std::to_string(boxes_) + " message boxes from one event");
        view_ = Observe();
        Update(e, before, view_);
        fprintf(log_, "#   %s => %s, %s => %s (%d => %d), checked %d, focus %d%s\n", Preview(view_.input).c_str(),
                Preview(view_.output).c_str(), Preview(view_.from).c_str(), Preview(view_.to).c_str(), source_, target_,
                view_.checked, view_.focus, view_.menu ? ", menu open" : "");
    }

    int Summary() const {
        printf("soak: %d events, %d conversions checked, %d restarts, %d crashes, %d hangs, %d chains, "
               "%d wrong results\n", events_, conversions_, restarts_, crashes_, hangs_, chains_, wrong_);
        return crashes_ + hangs_ + chains_ + wrong_ == 0 ? 0 : 1;
    }

private:
    HWND Control(int id) const { return GetDlgItem(main_, id); }

    RECT ClientRectOf(int id) const {
        RECT rect{};
        GetWindowRect(Control(id), &rect);
        MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // The control under a client point (group boxes, the label and the status bar let clicks through), else 0.
    int ControlAt(int x, int y) const {
        for (int id = kInput; id <= kConvert; ++id) {
            const RECT rect = ClientRectOf(id);
            if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) return id;
        }
        return 0;
    }

    void RandomPoint(std::mt19937& rng, int* x, int* y) const {
        int id = kTargets[Pick(rng, kTargets)].id;
        RECT area{};
        GetClientRect(main_, &area);
        if (id == -1) area = {0, -GetSystemMetrics(SM_CYMENU), area.right, -1};
        if (id == kFirstPair) id += static_cast<int>(rng() % 12);
        if (id > 0) area = ClientRectOf(id);
        *x = area.left + 1 + static_cast<int>(rng() % std::max<LONG>(1, area.right - area.left - 2));
        *y = area.top + 1 + static_cast<int>(rng() % std::max<LONG>(1, area.bottom - area.top - 2));
    }

    POINT Screen(int x, int y) const {
        POINT point{x, y};
        ClientToScreen(main_, &point);
        return point;
    }

    bool Send(const Event& e) {
        const WORD key = static_cast<WORD>(e.key & 0xFF);
        switch (e.kind) {
        case Move: MouseAt(Screen(e.x1, e.y1), {}); break;
        case Click: ClickOn(Screen(e.x1, e.y1)); break;
        case Double: MouseAt(Screen(e.x1, e.y1), {kDown, kUp, kDown, kUp}); break;
        case Right: MouseAt(Screen(e.x1, e.y1), {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}); break;
        case Drag:  // the press, any box it brings closed, then the release elsewhere
            MouseAt(Screen(e.x1, e.y1), {kDown});
            if (!Settle(e.seed, true)) return false;
            MouseAt(Screen((e.x1 + e.x2) / 2, (e.y1 + e.y2) / 2), {});
            MouseAt(Screen(e.x2, e.y2), {kUp});
            break;
        case Key: e.key & kShift ? PressKeys({VK_SHIFT, key}) : PressKeys({key}); break;
        case Ctrl: PressKeys({VK_CONTROL, key}); break;
        case Unicode: Type(MakeText(e.seed, e.length)); break;
        case Paste: PasteText(MakeText(e.seed, e.length)); break;
        case BaseText: e.length ? PasteText(kBaseTexts[e.key]) : Type(kBaseTexts[e.key]); break;
        case Menu:  // Alt and the menu's letter, then the command's letter or Esc
            PressKeys({VK_MENU, static_cast<WORD>(e.key >> 8)});
            if (key != 0 && !Settle(e.seed, false)) return false;
            if (key != 0) PressKeys({key});
            break;
        case AboutClose: {  // its close button, Enter, Space, Esc (which leaves it open), its close box, Alt+F4
            const HWND about = Box(false);
            const WORD keys[] = {0, VK_RETURN, VK_SPACE, VK_ESCAPE};
            if (about == nullptr) break;
            if (e.key == 0) ClickOn(CentreOf(GetDlgItem(about, kAboutClose)));
            if (e.key > 0 && e.key < 4) PressKeys({keys[e.key]});
            if (e.key == 4) ClickOn(CloseBoxOf(about));
            if (e.key == 5) PressKeys({VK_MENU, VK_F4});
            break;
        }
        case CloseApp: ClickOn(CloseBoxOf(main_)); break;
        }
        return true;
    }

    bool Ended() const { return app_->WaitForExit(0, nullptr); }

    // Waits until the program has taken every input sent so far: it paints only
    // when no input is waiting, so a repaint asked for now marks the point. A
    // burst of keys into a long text may take a while; the window must answer
    // within 5 s all along, and have taken the input within a minute.
    bool Answers() const {
        InvalidateRect(main_, nullptr, FALSE);
        DWORD_PTR ignored = 0;
        for (int second = 0; second < 60; ++second) {
            if (PumpUntil([&] { return !GetUpdateRect(main_, nullptr, FALSE) || !IsWindow(main_); }, 1000)) return true;
            if (!SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored)) return !IsWindow(main_);
        }
        return false;
    }

    // The program's open message box (its text in static 0xFFFF), or with messageBox false its About box.
    HWND Box(bool messageBox) const {
        for (const HWND box : OpenDialogs(thread_)) {
            if (GetDlgItem(box, 0xFFFF) ? messageBox : !messageBox && GetDlgItem(box, kAboutClose)) return box;
        }
        return nullptr;
    }

    // Lets the program handle what was sent: counts each message box it opens
    // and closes it as a user would (OK, Enter or Esc; no click while a drag
    // holds the button). False once the program ended or stopped answering.
    bool Settle(unsigned seed, bool buttonHeld) {
        HWND last = nullptr;
        for (int quiet = 0; quiet < 2;) {
            if (Ended() || !IsWindow(main_)) {
                if (!PumpUntil([&] { return Ended(); }, 5000)) Fail(hangs_, "hang", "the window went, not the process");
                return false;
            }
            if (!Answers()) return Fail(hangs_, "hang", "the window did not answer within 5 s"), false;
            const HWND box = Box(true);
            quiet = box ? 0 : quiet + 1;
            if (box == nullptr || box == last) continue;
            last = box;
            ++boxes_;
            fprintf(log_, "#   box: %s %s\n", Preview(WindowText(box)).c_str(),
                    Preview(WindowText(GetDlgItem(box, 0xFFFF))).c_str());
            const unsigned how = (seed + boxes_) % 3;
            if (how == 0 && !buttonHeld) ClickOn(CentreOf(GetDlgItem(box, IDOK)));
            else if (GetForegroundWindow() == box) PressKeys({static_cast<WORD>(how == 1 ? VK_RETURN : VK_ESCAPE)});
            const auto closed = [&] { return !IsWindow(box) || !IsWindowVisible(box); };
            if (!PumpUntil(closed, 1000) && PostMessageW(box, WM_COMMAND, IDOK, 0) && !PumpUntil(closed, 4000)) {
                return Fail(hangs_, "hang", "a message box did not close within 5 s"), false;
            }
        }
        return true;
    }

    // After the program ended or hung: a crash unless it ended with 0, a chain if a box came on the way out.
    void Restart() {
        DWORD code = 0;
        if (app_->WaitForExit(0, &code) && code != 0) {
            Fail(crashes_, "crash", "the program ended with " + std::to_string(code));
        } else if (Ended() && boxes_ > 0) {
            Fail(chains_, "chain", "a message box in the event that closed the program");
        }
        ++restarts_;
        fprintf(log_, "# restart\n");
        if (Start() || Start()) return;
        Fail(crashes_, "crash", "the program did not start again");
        exit(Summary());
    }

    View Observe() const {
        View v{WindowText(Control(kInput)), WindowText(Control(kOutput)), WindowText(Control(kFrom)),
               WindowText(Control(kTo))};
        for (int id = kFirstPair; id <= kCustom; ++id) {
            DWORD_PTR state = 0;
            SendMessageTimeoutW(Control(id), BM_GETCHECK, 0, 0, SMTO_NORMAL, 2000, &state);
            if (state == BST_CHECKED) v.checked = id;
        }
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(thread_, &info);
        v.focus = GetParent(info.hwndFocus) == main_ ? GetDlgCtrlID(info.hwndFocus) : 0;
        v.menu = (info.flags & GUI_INMENUMODE) != 0;
        for (HWND popup = nullptr; (popup = FindWindowExW(nullptr, popup, L"#32768", nullptr)) != nullptr;) {
            if (GetWindowThreadProcessId(popup, nullptr) == thread_ && IsWindowVisible(popup)) {
                GetWindowRect(popup, &v.popup);
            }
        }
        return v;
    }

    void StoreBoxes(const View& v) {
        if (const int base = BaseIn(v.from)) source_ = base;
        if (const int base = BaseIn(v.to)) target_ = base;
    }

    // The model: the writes of the pair that the event made, then the result it must show.
    void Update(const Event& e, const View& b, const View& a) {
        // A press on an open menu goes to the menu; anywhere else it closes the menu and goes on.
        const bool mouse = (e.kind == Click || e.kind == Double || e.kind == Drag) &&
                           !PtInRect(&b.popup, Screen(e.x1, e.y1));
        const int pressed = ControlAt(e.x1, e.y1), released = ControlAt(e.x2, e.y2);
        // A pressed control holds the mouse, and so does a menu opened by a press on the menu bar.
        const int receiver = pressed != 0 || e.y1 < 0 ? pressed : released;
        const bool key = (e.kind == Key) && !b.menu;
        const int clicked = mouse && pressed == released ? pressed : key && (e.key & 0xFF) == VK_SPACE ? b.focus : 0;
        // A base box that loses the focus while the custom pair is chosen stores its half.
        if (b.checked == kCustom && a.focus != b.focus && (b.focus == kFrom || b.focus == kTo)) {
            const int base = BaseIn(b.focus == kFrom ? b.from : b.to);
            if (base != 0) (b.focus == kFrom ? source_ : target_) = base;
        }
        // A completed click that leaves a fixed pair checked sets the pair it shows.
        if (a.checked < kCustom && a.checked != 0 && (a.checked != b.checked || clicked == a.checked)) {
            swscanf(WindowText(Control(a.checked)).c_str(), L"%d => %d", &source_, &target_);
        }
        // A click on the custom radio button, or into a base box (the press began there and the box kept the
        // focus), stores both boxes' valid bases.
        const bool intoBox = mouse && (pressed == kFrom || pressed == kTo) && a.focus == pressed;
        if (a.checked == kCustom && (clicked == kCustom || intoBox)) StoreBoxes(a);
        const bool clear = mouse && receiver == kClear && boxes_ == 0;
        if (clear && !(a.input.empty() && a.output.empty())) {
            Fail(wrong_, "wrong result", "clear left " + Preview(a.input) + " and " + Preview(a.output));
        }
        const bool converts = ((mouse && (receiver == kArrow || receiver == kConvert)) ||
                               (key && (e.key & 0xFF) == VK_RETURN && b.focus == kInput)) && boxes_ == 0;
        if (!converts && (clear || a.output == b.output)) return;
        if (a.checked == kCustom) StoreBoxes(a);  // a conversion with the custom pair stores the boxes' valid bases
        ++conversions_;
        const std::wstring expected = Expected(a.input, source_, target_);
        if (a.output != expected) {
            Fail(wrong_, "wrong result", Preview(a.input) + " in " + std::to_string(source_) + " => " +
                 std::to_string(target_) + ": expected " + Preview(expected) + ", shown " + Preview(a.output));
        }
    }

    void Fail(int& count, const char* kind, const std::string& what) {
        ++count;
        fprintf(log_, "# FAIL %s at event %d: %s\n", kind, events_, what.c_str());
        fflush(log_);
        printf("soak: %s at event %d: %s\n", kind, events_, what.c_str());
        fflush(stdout);
    }

    std::wstring exe_;
    FILE* log_;
    std::unique_ptr<AppProcess> app_;
    HWND main_ = nullptr;
    DWORD thread_ = 0;
    View view_;
    int source_ = 10, target_ = 2;  // the model's pair
    int boxes_ = 0;                 // message boxes from the current event
    int events_ = 0, conversions_ = 0, restarts_ = 0, crashes_ = 0, hangs_ = 0, chains_ = 0, wrong_ = 0;
};

// The events of a log: every line that starts with its number.
std::vector<Event> ReadLog(const std::string& path) {
    std::vector<Event> events;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        Event e;
        char name[16] = {};
        if (sscanf(line.c_str(), "%*d %15s %d %d %d %d %d %u %d", name, &e.x1, &e.y1, &e.x2, &e.y2, &e.key, &e.seed,
                   &e.length) != 8) {
            continue;
        }
        while (e.kind < CloseApp && strcmp(kKinds[e.kind].name, name) != 0) e.kind = static_cast<Kind>(e.kind + 1);
        events.push_back(e);
    }
    return events;
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> option{{"--events", "300"}, {"--seed", "1"}};
    for (int i = 1; i + 1 < argc; i += 2) option[argv[i]] = argv[i + 1];
    const std::string exe = option["--exe"], replay = option["--replay"];
    FILE* log = fopen(option["--log"].c_str(), "w");
    if (exe.empty() || log == nullptr) {
        fprintf(stderr, "usage: soak_driver --exe PATH --log FILE [--events N] [--seed S] [--replay LOG]\n");
        return 2;
    }
    fprintf(log, "# soak of %s, %s\n", exe.c_str(), (replay.empty() ? "seed " + option["--seed"] : replay).c_str());
    const std::vector<Event> logged = ReadLog(replay);
    Soak soak(WindowsPathOf(exe.c_str()), log);
    if (!soak.Start()) return fprintf(stderr, "soak: %s did not start\n", exe.c_str()), 2;
    std::mt19937 rng(static_cast<unsigned>(std::stoul(option["--seed"])));
    const int total = replay.empty() ? std::stoi(option["--events"]) : static_cast<int>(logged.size());
    for (int i = 0; i < total; ++i) {
        const Event e = replay.empty() ? soak.Next(rng) : logged[i];
        soak.Log(i + 1, e);
        soak.Run(e);
    }
    fclose(log);
    return soak.Summary();
}
