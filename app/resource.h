#pragma once
// Numeric identifiers of the menu commands and of the About dialog and its
// controls. Shared by the resource script and the code, so plain #defines.
// The menu and the icon are found by name ("IDM_VX", "IDI_VX"), not here.

#define IDM_EXIT 100
#define IDM_CHECK_UPDATE 121
#define IDM_VISIT_AUTHOR 122
#define IDM_ABOUT 123

#define IDD_ABOUT 200
#define IDC_ABOUT_ICON 201
#define IDC_ABOUT_TITLE 202
#define IDC_ABOUT_CLOSE 203
#define IDC_ABOUT_TEXT 204
