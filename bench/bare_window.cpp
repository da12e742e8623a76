// The yardstick for Quendrix.exe: the same main window (class style, menu,
// icon, size and place) with the same 28 controls, made from the program's
// own layout rows, but with none of its behaviour: no subclass procedures,
// no starting pair, no conversion. The release of Enter in the input box
// writes a fixed text into the result box, so that the window benchmark can
// time a keystroke's way to the screen in both programs alike.

#include <windows.h>

#include <commctrl.h>

#include "app/main_window.h"
#include "app/window_placement.h"
#include "ui/control_registry.h"
#include "ui/main_layout.h"

namespace {

constexpr wchar_t kClassName[] = L"QuendrixBare";
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT CALLBACK BareWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        MainWindow = window;
        UiFont = CreateUiFont();
        for (LayoutRow row : MainLayoutRows()) {
            row.subclass = nullptr;
            CreateLayoutRow(row);
        }
        return 0;
    case WM_ACTIVATE:
        SetFocus(FindControl(IDC_INPUT));  // where Quendrix keeps it, so Enter goes there
        return 0;
    case WM_DESTROY:
        DeleteObject(UiFont);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    AppInstance = instance;
    const INITCOMMONCONTROLSEX commonControls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&commonControls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = BareWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"IDI_VX");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = L"IDM_VX";
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const POINT origin = MainWindowOrigin(workArea);
    const SIZE size = MainWindowSize();
    const HWND window = CreateWindowExW(0, kClassName, L"Quendrix", kStyle, origin.x, origin.y, size.cx, size.cy,
                                        nullptr, nullptr, instance, nullptr);
    ShowWindow(window, showCommand);

    const HWND input = FindControl(IDC_INPUT);
    const HWND output = FindControl(IDC_OUTPUT);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == input && message.message == WM_KEYUP && message.wParam == VK_RETURN) {
            SetWindowTextW(output, L"11111111");
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
