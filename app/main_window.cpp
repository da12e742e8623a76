#include "app/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/about_dialog.h"
#include "app/resource.h"
#include "app/web_addresses.h"
#include "app/window_placement.h"
#include "ui/control_actions.h"
#include "ui/control_registry.h"
#include "ui/convert_action.h"
#include "ui/main_layout.h"
#include "ui/nesting_state.h"

namespace {

constexpr wchar_t kClassName[] = L"Quendrix";
constexpr wchar_t kTitle[] = L"Quendrix －－ Tavrel";
constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // 0x00CA0000: fixed size

bool RegisterMainWindowClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = AppInstance;
    windowClass.hIcon = LoadIconW(AppInstance, L"IDI_VX");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(RGB(255, 255, 255));
    windowClass.lpszMenuName = L"IDM_VX";
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

void FocusInputBox() {
    if (const HWND input = FindControl(IDC_INPUT)) {
        SetFocus(input);
    }
}

// A press and a release sent to the control, both handled before this
// returns: the start-up pair's radio button becomes checked, and its
// procedure sets the pair.
void ClickControl(ControlId id) {
    if (const HWND control = FindControl(id)) {
        SendClick(control);
    }
}

void OnCreate(HWND window) {
    MainWindow = window;
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const POINT origin = MainWindowOrigin(workArea);
    const SIZE size = MainWindowSize();
    MoveWindow(window, origin.x, origin.y, size.cx, size.cy, FALSE);
    UiFont = CreateUiFont();
    BuildMainLayout();
    ClickControl(IDC_10_TO_2);  // the starting pair, 10 => 2
    FocusInputBox();
}

void OpenInBrowser(const wchar_t* address) {
    ShellExecuteW(MainWindow, L"Open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

void OnMenuCommand(WORD command) {
    switch (command) {
    case IDM_EXIT:
        PostQuitMessage(0);
        break;
    case IDM_CHECK_UPDATE:
        OpenInBrowser(kUpdatePageAddress);
        break;
    case IDM_VISIT_AUTHOR:
        OpenInBrowser(kAuthorSpaceAddress);
        break;
    case IDM_ABOUT:
        DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_ABOUT), MainWindow, AboutDlgProc, 0);
        break;
    default:
        break;  // unknown numbers, the controls' notifications among them
    }
}

}  // namespace

HFONT CreateUiFont() {
    LOGFONTW font{};
    font.lfHeight = ScaledToScreen(14);
    font.lfWidth = ScaledToScreen(7);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    lstrcpyW(font.lfFaceName, L"宋体");
    return CreateFontIndirectW(&font);
}

HWND OpenMainWindow(int showCommand) {
    const INITCOMMONCONTROLSEX commonControls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&commonControls);
    if (!RegisterMainWindowClass()) {
        return nullptr;
    }
    // WM_CREATE stores the handle in MainWindow.
    const SIZE size = MainWindowSize();
    const HWND window = CreateWindowExW(0, kClassName, kTitle, kMainWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                        size.cx, size.cy, nullptr, nullptr, AppInstance, nullptr);
    if (window != nullptr) {
        ShowWindow(window, showCommand);
    }
    return window;
}

void RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_ACTIVATE:
        FocusInputBox();  // on activation and deactivation alike
        return 0;
    case WM_CLOSE:
        BeginClosing();  // from here on no base box asks anything of the user
        DeleteObject(UiFont);
        break;  // default processing destroys the window
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_CUSTOM && HIWORD(wParam) == BN_CLICKED) {
            StoreCustomBases();  // the custom pair takes the bases its boxes show
            return 0;
        }
        OnMenuCommand(LOWORD(wParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
