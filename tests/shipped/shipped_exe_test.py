#!/usr/bin/env python3
"""The shipped Quendrix.exe as a file, read with binutils' objdump on the build
machine: a 32-bit GUI program that imports only what Windows XP SP3 has and
holds exactly its menu, dialog and icon; the dialog and the icon byte for byte
(the Windows tests read the menu as it shows).

Usage: shipped_exe_test.py OBJDUMP QUENDRIX_EXE
"""

import re
import struct
import subprocess
import sys
import unittest

# Every function the .exe may import, each reviewed: present in Windows XP SP3
# (documented minimum client Windows 2000 or XP). InitCommonControlsEx is
# documented from Vista today, but it is that of comctl32 4.70, older than the
# 5.82 and 6.0 that XP has. The msvcrt functions are all in XP's msvcrt.dll;
# none of those added after XP (the _s and _l variants, _create_locale and
# the like). An import not listed fails here until it is reviewed and added.
ALLOWED_IMPORTS = {
    "COMCTL32": "InitCommonControlsEx",
    "GDI32": "CreateFontIndirectW CreateSolidBrush DeleteObject GetDeviceCaps",
    "KERNEL32": """
        CloseHandle CreateSemaphoreW DeleteCriticalSection EnterCriticalSection FormatMessageA
        FreeLibrary GetCurrentThreadId GetLastError GetModuleHandleA GetModuleHandleW GetProcAddress
        GetStartupInfoA InitializeCriticalSection IsDBCSLeadByteEx LeaveCriticalSection LoadLibraryA
        LoadLibraryW LocalFree MulDiv MultiByteToWideChar ReleaseSemaphore SetLastError
        SetUnhandledExceptionFilter Sleep TlsAlloc TlsFree TlsGetValue TlsSetValue VirtualProtect
        VirtualQuery WaitForSingleObject WideCharToMultiByte lstrcpyW""",
    "MSVCRT": """
        __getmainargs __initenv __mb_cur_max __p__acmdln __p__commode __p__fmode __set_app_type
        __setusermatherr _amsg_exit _cexit _close _errno _initterm _iob _onexit _read abort atoi
        calloc exit fprintf fputc fputs free fwrite iswctype localeconv malloc mbstowcs memchr memcmp
        memcpy memmove memset realloc setlocale signal strchr strcmp strcoll strerror strftime strlen
        strncmp strxfrm toupper towlower towupper vfprintf wcscoll wcsftime wcslen wcstombs wcsxfrm""",
    "SHELL32": "ShellExecuteW",
    "USER32": """
        CallWindowProcW CreateWindowExW DefWindowProcW DialogBoxParamW DispatchMessageW EndDialog
        GetActiveWindow GetCapture GetDC GetDlgCtrlID GetDlgItem GetFocus GetForegroundWindow GetMessageW GetParent
        GetWindowTextLengthW GetWindowTextW IsChild IsWindowEnabled IsWindowVisible LoadCursorW
        LoadIconW MessageBoxW MoveWindow PostQuitMessage RegisterClassExW ReleaseDC SendMessageW SetFocus
        SetWindowLongW SetWindowTextW ShowWindow SystemParametersInfoW TranslateMessage""",
}

RT_ICON, RT_MENU, RT_DIALOG, RT_GROUP_ICON = 3, 4, 5, 14
ENGLISH_US = 1033
BUTTON, EDIT, STATIC = 0x80, 0x81, 0x82  # the dialog template's class atoms


def text(s):
    return (s + "\0").encode("utf-16-le")


def words(*values):
    return struct.pack(f"<{len(values)}H", *values)


def dialog_template():
    # Standard template: style, extended style, 4 controls, x y cx cy, no
    # menu, the dialog class, no caption, 12 points 宋体.
    data = struct.pack("<IIH4h", 0x80C800C0, 0, 4, 10, 25, 200, 180) + words(0, 0) + text("")
    data += words(12) + text("宋体")
    for style, x, y, cx, cy, ident, atom, label in [
        (0x50010001, 75, 155, 40, 20, 203, BUTTON, "关 闭"),
        (0x50000003, 55, 2, 0, 0, 201, STATIC, "IDI_VX"),
        (0x50020000, 79, 8, 100, 12, 202, STATIC, "Quendrix"),
        (0x50010844, 10, 25, 220, 120, 204, EDIT, ""),
    ]:
        data += bytes(-len(data) % 4)  # each control starts on a DWORD
        # extended style 0, class by atom, no creation data
        data += struct.pack("<II4hH", style, 0, x, y, cx, cy, ident) + words(0xFFFF, atom) + text(label) + words(0)
    return data


# One 48 x 48 image, no palette, one plane, 32 bits, 9640 bytes, image 1.
ICON_GROUP = words(0, 1, 1) + struct.pack("<4B2HIH", 48, 48, 0, 0, 1, 32, 9640, 1)
# Its BITMAPINFOHEADER: size 40, width 48, height 96 (colour and mask), one plane, 32 bits.
ICON_IMAGE_HEADER = struct.pack("<3I2H", 40, 48, 96, 1, 32)


def objdump(*options):
    return subprocess.run([OBJDUMP, *options, EXE], check=True, capture_output=True, text=True).stdout


def imports(headers):
    """{DLL (upper case, no .dll): [functions]} from objdump -p."""
    found, dll = {}, None
    section = headers.split("The Import Tables", 1)[1].split("\n\n\n", 1)[0]
    for line in section.splitlines():
        if m := re.match(r"\tDLL Name: (\S+?)(?:\.dll)?$", line, re.I):
            dll = m[1].upper()
            found.setdefault(dll, [])
        elif re.match(r"\t[0-9a-f]+\t", line):
            m = re.match(r"\t[0-9a-f]+\t +\d+ +(\S+)$", line)
            if not m:
                raise AssertionError(f"an import not by name: {line!r}")
            found[dll].append(m[1])
    return found


def resources(headers, contents):
    """[(type, name, language, data)] from objdump -p and -s -j .rsrc."""
    base = int(re.search(r"^ImageBase\s+([0-9a-f]+)", headers, re.M)[1], 16)
    rows = re.findall(r"^ ([0-9a-f]+) (.{35})", contents, re.M)
    start = int(rows[0][0], 16)
    section = bytes.fromhex("".join(hex_part.replace(" ", "") for _, hex_part in rows))
    found, key = [], []
    for line in headers.split("Resource Directory section:", 1)[1].splitlines():
        if m := re.match(r"[0-9a-f]+( +)Entry: (?:ID: 0x([0-9a-f]+)|name: \[[^]]*\]: (\S+)), Value", line):
            depth = (len(m[1]) - 3) // 2  # 0 type, 1 name, 2 language
            key[depth:] = [int(m[2], 16) if m[2] else m[3]]
        elif m := re.match(r"[0-9a-f]+ +Leaf: Addr: 0x([0-9a-f]+), Size: 0x([0-9a-f]+)", line):
            offset = base + int(m[1], 16) - start
            found.append((*key, section[offset:offset + int(m[2], 16)]))
        elif "Entry:" in line:
            raise AssertionError(f"unread resource entry: {line!r}")
    return found


class ShippedExe(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.headers = objdump("-p")
        cls.listing = resources(cls.headers, objdump("-s", "-j", ".rsrc"))

    def test_is_a_32_bit_gui_program(self):
        self.assertIn("file format pei-i386", self.headers)  # machine 0x14C
        self.assertRegex(self.headers, r"\nMagic\s+010b\s+\(PE32\)")
        self.assertRegex(self.headers, r"\nSubsystem\s+00000002\s+\(Windows GUI\)")

    def test_imports_only_reviewed_functions_of_the_six_system_dlls(self):
        found = imports(self.headers)
        self.assertEqual(sorted(found), sorted(ALLOWED_IMPORTS))
        for dll, functions in found.items():
            unreviewed = sorted(set(functions) - set(ALLOWED_IMPORTS.get(dll, "").split()))
            self.assertEqual(unreviewed, [], f"{dll}: not reviewed for Windows XP SP3")

    def test_holds_exactly_menu_dialog_and_icon_in_english_us(self):
        self.assertEqual([(t, n, lang) for t, n, lang, _ in self.listing],
                         [(RT_ICON, 1, ENGLISH_US), (RT_MENU, "IDM_VX", ENGLISH_US),
                          (RT_DIALOG, 200, ENGLISH_US), (RT_GROUP_ICON, "IDI_VX", ENGLISH_US)])

    def test_dialog_template(self):
        self.assertEqual(self.data(RT_DIALOG, 200).hex(" ", 2), dialog_template().hex(" ", 2))

    def test_icon_is_one_48_by_48_image_of_32_bits(self):
        self.assertEqual(self.data(RT_GROUP_ICON, "IDI_VX").hex(" ", 2), ICON_GROUP.hex(" ", 2))
        image = self.data(RT_ICON, 1)
        self.assertEqual(len(image), 9640)
        self.assertEqual(image[:len(ICON_IMAGE_HEADER)], ICON_IMAGE_HEADER)

    def data(self, resource_type, name):
        found = [data for t, n, _, data in self.listing if (t, n) == (resource_type, name)]
        self.assertEqual(len(found), 1, f"resource {resource_type} {name}")
        return found[0]


if __name__ == "__main__":
    OBJDUMP, EXE = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1], verbosity=2)
