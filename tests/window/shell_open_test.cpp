// The two Help commands hand their addresses to the shell's "Open" verb.
// A recording program stands in for the browser: it is registered as the
// http and https handler for this test only and writes its command line
// into a file.
//
// Where the shell looks: Windows merges the user's Software\Classes over
// HKEY_CLASSES_ROOT; Wine's HKEY_CLASSES_ROOT is the machine's
// Software\Classes alone. The handler goes into both for the test's time.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/resource.h"
#include "tests/support/app_process.h"
#include "tests/support/gui_session.h"

using namespace testsupport;

namespace {

// Makes program the handler of scheme under the classes key of hive while it lives,
// then puts back what was there.
class UrlHandlerOverride {
public:
    UrlHandlerOverride(HKEY hiveKey, const std::wstring& classes, const std::wstring& scheme,
                       const std::wstring& program)
        : hive(hiveKey), root(classes + scheme) {
        HKEY existing = nullptr;
        createdRoot = RegOpenKeyExW(hive, root.c_str(), 0, KEY_READ, &existing) != ERROR_SUCCESS;
        if (!createdRoot) {
            RegCloseKey(existing);
        }
        const std::wstring key = root + L"\\shell\\open\\command";
        HKEY command = nullptr;
        if (RegCreateKeyExW(hive, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &command,
                            nullptr) == ERROR_SUCCESS) {
            DWORD size = sizeof(previous);
            hadValue = RegQueryValueExW(command, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(previous),
                                        &size) == ERROR_SUCCESS;
            const std::wstring value = L"\"" + program + L"\" \"%1\"";
            RegSetValueExW(command, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
            RegCloseKey(command);
        }
    }

    ~UrlHandlerOverride() {
        if (createdRoot) {
            RegDeleteTreeW(hive, root.c_str());
            return;
        }
        const std::wstring key = root + L"\\shell\\open\\command";
        HKEY command = nullptr;
        if (RegOpenKeyExW(hive, key.c_str(), 0, KEY_ALL_ACCESS, &command) == ERROR_SUCCESS) {
            if (hadValue) {
                RegSetValueExW(command, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(previous),
                               static_cast<DWORD>((wcslen(previous) + 1) * sizeof(wchar_t)));
            } else {
                RegDeleteValueW(command, nullptr);
            }
            RegCloseKey(command);
        }
    }

private:
    HKEY hive;
    std::wstring root;
    bool createdRoot = false;
    bool hadValue = false;
    wchar_t previous[1024] = {};
};

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);
    return bytes;
}

std::string ReadFileText(const std::wstring& path) {
    std::ifstream file(Utf8(path), std::ios::binary);  // the runtime takes ANSI names; ASCII paths here
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

class ShellOpenTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        log = std::wstring(temp) + L"quendrix-url-log-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
        DeleteFileW(log.c_str());
        SetEnvironmentVariableW(L"QUENDRIX_URL_LOG", log.c_str());
        window = StartMainWindow();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { DeleteFileW(log.c_str()); }

    // The recorded lines once `count` of them have arrived (bounded wait).
    std::vector<std::string> WaitForLines(std::size_t count) {
        std::vector<std::string> lines;
        PumpUntil(
            [&] {
                lines.clear();
                std::istringstream text(ReadFileText(log));
                for (std::string line; std::getline(text, line);) lines.push_back(line);
                return lines.size() >= count;
            },
            15000);
        return lines;
    }

    std::wstring log;
    HWND window = nullptr;
};

TEST_F(ShellOpenTest, HelpCommandsOpenTheUpdatePageAndTheAuthorsSpace) {
    const std::wstring recorder = ThisProgramDirectory() + L"url_recorder.exe";
    UrlHandlerOverride userHttp(HKEY_CURRENT_USER, L"Software\\Classes\\", L"http", recorder);
    UrlHandlerOverride userHttps(HKEY_CURRENT_USER, L"Software\\Classes\\", L"https", recorder);
    UrlHandlerOverride sharedHttp(HKEY_CLASSES_ROOT, L"", L"http", recorder);
    UrlHandlerOverride sharedHttps(HKEY_CLASSES_ROOT, L"", L"https", recorder);

    EXPECT_EQ(SendMessageW(window, WM_COMMAND, IDM_CHECK_UPDATE, 0), 0);
    const std::vector<std::string> first = WaitForLines(1);
    ASSERT_EQ(first.size(), 1u) << "the shell did not start the handler";
    EXPECT_NE(first[0].find("\"http://www.example.com/quendrix/update.html\""), std::string::npos) << first[0];

    EXPECT_EQ(SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDM_VISIT_AUTHOR, 1), 0), 0);
    const std::vector<std::string> both = WaitForLines(2);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_NE(both[1].find("\"http://tavrel.example.org/space/\""), std::string::npos) << both[1];
}

}  // namespace
