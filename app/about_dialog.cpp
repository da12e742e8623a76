#include "app/about_dialog.h"

#include <iterator>

#include "app/resource.h"
#include "app/web_addresses.h"

std::wstring AboutText() {
    // Each line must stay one visible line: the text box shows about 190
    // dialog units of its width, 15 lines, no scroll bar.
    const std::wstring lines[] = {
        L"版本：" QUENDRIX_VERSION,
        L"",
        L"发布日期：" QUENDRIX_RELEASE_DATE,
        L"",
        L"使用许可：免费使用及分发，不作任何担保",
        L"",
        L"",
        L"",
        L"作者：谭维若(Tavrel)",
        L"",
        L"QQ：246813579",
        L"",
        L"邮箱：tavrel@example.com",
        L"",
        std::wstring(L"MSN 空间：") + kAuthorSpaceAddress,
    };
    std::wstring text;
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        if (i > 0) {
            text += L"\r\n";
        }
        text += lines[i];
    }
    return text;
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowTextW(GetDlgItem(dialog, IDC_ABOUT_TEXT), AboutText().c_str());
        return TRUE;  // the focus goes to the close button, the first tab stop
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_ABOUT_CLOSE) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
