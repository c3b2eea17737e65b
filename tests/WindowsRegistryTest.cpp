// The launcher on the real Windows platform: registry values that the test
// writes below HKEY_LOCAL_MACHINE, real files, real processes. Meant for a
// throw-away Wine prefix (scripts/windows-tests.sh); on a machine that has the
// tool's own values it skips rather than touch them.
#include "SysInfoLauncher.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace duomira {
namespace {

namespace fs = std::filesystem;

constexpr char kTestKey[] = "SOFTWARE\\Duomira Launcher Test";

std::string withTerminator(const std::string& chars) {
    return chars + std::string(1, '\0');
}

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

bool valueExists(const char* keyName, const char* valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    const bool exists =
        RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return exists;
}

// Values written for one test and taken away after it, with the keys that
// had to be created for them.
class RegistryValues {
public:
    RegistryValues() = default;
    RegistryValues(const RegistryValues&) = delete;
    RegistryValues& operator=(const RegistryValues&) = delete;

    ~RegistryValues() {
        for (const auto& [keyName, valueName] : values_) {
            RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, keyName.c_str(), valueName.c_str());
        }
        for (auto key = createdKeys_.rbegin(); key != createdKeys_.rend(); ++key) {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, key->c_str());
        }
    }

    void set(const std::string& keyName, const std::string& valueName, DWORD type,
             const std::string& bytes) {
        HKEY key = create(keyName);
        const LONG result =
            RegSetValueExA(key, valueName.c_str(), 0, type,
                           reinterpret_cast<const BYTE*>(bytes.data()), DWORD(bytes.size()));
        RegCloseKey(key);
        check(result, "RegSetValueExA");
        values_.emplace_back(keyName, valueName);
    }

    void setWide(const std::string& keyName, const std::string& valueName,
                 const std::wstring& text) {
        HKEY key = create(keyName);
        const std::wstring valueNameW(valueName.begin(), valueName.end());
        const LONG result = RegSetValueExW(key, valueNameW.c_str(), 0, REG_SZ,
                                           reinterpret_cast<const BYTE*>(text.c_str()),
                                           DWORD((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
        check(result, "RegSetValueExW");
        values_.emplace_back(keyName, valueName);
    }

private:
    static void check(LONG result, const char* what) {
        if (result != ERROR_SUCCESS) {
            throw std::runtime_error(std::string(what) + " failed: " + std::to_string(result));
        }
    }

    HKEY create(const std::string& keyName) {
        HKEY key = nullptr;
        DWORD disposition = 0;
        check(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, &disposition),
              "RegCreateKeyExA");
        if (disposition == REG_CREATED_NEW_KEY) {
            createdKeys_.push_back(keyName);
        }
        return key;
    }

    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> createdKeys_;
};

fs::path ownFolder() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(std::wstring(self, length)).parent_path();
}

class WindowsLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (valueExists(kToolKey, kToolValue) || valueExists(kLocationKey, kLocationValue)) {
            GTEST_SKIP() << "this machine has the tool's registry values; run the test in a "
                            "throw-away Wine prefix";
        }
        // A folder of its own for each test: a helper still exiting keeps its
        // program file from being deleted for a moment.
        static int testNumber = 0;
        folder = fs::temp_directory_path() /
                 ("duomira-launcher-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(++testNumber));
        fs::create_directories(folder);
        marker = folder / "started.txt";
        SetEnvironmentVariableW(L"DUOMIRA_MARKER", marker.c_str());
        platform = makeSystemPlatform([this](const std::string& text, const std::string& title) {
            messages.emplace_back(text, title);
        });
    }

    void TearDown() override {
        std::error_code error;
        for (int tries = 0; tries < 100 && (fs::remove_all(folder, error), fs::exists(folder));
             ++tries) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    fs::path installTool(const fs::path& path) {
        fs::create_directories(path.parent_path());
        fs::copy_file(ownFolder() / "sysinfo_helper.exe", path);
        return path;
    }

    // What the started helper reported: its own path, then its command line.
    std::optional<std::pair<std::wstring, std::wstring>> waitForStart() {
        // The launcher does not wait for the tool; the test has to.
        for (int tries = 0; tries < 600; ++tries) {
            std::ifstream bytes(marker, std::ios::binary);
            if (bytes) {
                const std::string raw((std::istreambuf_iterator<char>(bytes)), {});
                const std::wstring report(reinterpret_cast<const wchar_t*>(raw.data()),
                                          raw.size() / sizeof(wchar_t));
                const auto newline = report.find(L'\n');
                return std::pair{report.substr(0, newline), report.substr(newline + 1)};
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return std::nullopt;
    }

    void expectUnavailable() {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].first, "지금은 시스템 정보를 사용할 수 없습니다.");
        EXPECT_EQ(messages[0].second, "Duomira");
    }

    fs::path folder;
    fs::path marker;
    RegistryValues registry;
    std::unique_ptr<SysInfoPlatform> platform;
    std::vector<std::pair<std::string, std::string>> messages;
};

using WindowsGetKeyValueTest = WindowsLauncherTest;

TEST_F(WindowsGetKeyValueTest, ReadsTheWholeBufferButNotOneByteMore) {
    const std::string chars1023(1023, 'x');
    registry.set(kTestKey, "fits", REG_SZ, withTerminator(chars1023));
    registry.set(kTestKey, "over", REG_SZ, withTerminator(chars1023 + "y"));

    std::string keyVal;
    EXPECT_TRUE(GetKeyValue(*platform, kLocalMachine, kTestKey, "fits", keyVal));
    EXPECT_EQ(keyVal, chars1023);
    keyVal = "left over";
    EXPECT_FALSE(GetKeyValue(*platform, kLocalMachine, kTestKey, "over", keyVal));
    EXPECT_EQ(keyVal, "");
}

TEST_F(WindowsGetKeyValueTest, KeepsAStringStoredWithoutTerminator) {
    registry.set(kTestKey, "bare", REG_SZ, "abc");
    std::string keyVal;
    EXPECT_TRUE(GetKeyValue(*platform, kLocalMachine, kTestKey, "bare", keyVal));
    EXPECT_EQ(keyVal, "abc");
}

TEST_F(WindowsGetKeyValueTest, DecodesTheAnsiCodePage) {
    std::wstring sample;
    std::string expected;
    if (GetACP() == 949) {
        sample = L"C:\\토리무나\\도구.exe";
        expected = "C:\\토리무나\\도구.exe";
    } else if (GetACP() == 1252) {
        sample = L"C:\\Café\\tool.exe";
        expected = "C:\\Café\\tool.exe";
    } else {
        GTEST_SKIP() << "no sample text for code page " << GetACP();
    }
    registry.setWide(kTestKey, "text", sample);
    std::string keyVal;
    EXPECT_TRUE(GetKeyValue(*platform, kLocalMachine, kTestKey, "text", keyVal));
    EXPECT_EQ(keyVal, expected);
}

TEST_F(WindowsGetKeyValueTest, ReadsNumbersOtherTypesAndEmptyValues) {
    const DWORD number = 0x105;
    registry.set(kTestKey, "number", REG_DWORD,
                 std::string(reinterpret_cast<const char*>(&number), sizeof number));
    registry.set(kTestKey, "binary", REG_BINARY, "\x01\x02");
    registry.set(kTestKey, "nothing", REG_BINARY, "");

    std::string keyVal = "old";
    EXPECT_TRUE(GetKeyValue(*platform, kLocalMachine, kTestKey, "number", keyVal));
    EXPECT_EQ(keyVal, "&h105");
    keyVal = "as it came";
    EXPECT_TRUE(GetKeyValue(*platform, kLocalMachine, kTestKey, "binary", keyVal));
    EXPECT_EQ(keyVal, "as it came");
    EXPECT_THROW(GetKeyValue(*platform, kLocalMachine, kTestKey, "nothing", keyVal),
                 std::runtime_error);
    EXPECT_FALSE(GetKeyValue(*platform, kLocalMachine, kTestKey, "missing", keyVal));
    EXPECT_FALSE(GetKeyValue(*platform, kLocalMachine, "SOFTWARE\\Duomira Nowhere", "x", keyVal));
}

using WindowsStartSysInfoTest = WindowsLauncherTest;

// Handed to the system as a bare command line, this path would start
// "Common.exe" beside the folder "Common Files"; the decoy stands there.
TEST_F(WindowsStartSysInfoTest, StartsTheFirstValueAsItsOwnProgramFile) {
    const fs::path tool = installTool(folder / "Common Files" / "MSINFO32.EXE");
    installTool(folder / "Common.exe");
    registry.set(kToolKey, kToolValue, REG_SZ, withTerminator(utf8(tool)));

    StartSysInfo(*platform);

    const auto started = waitForStart();
    ASSERT_TRUE(started.has_value()) << "nothing was started";
    EXPECT_TRUE(fs::equivalent(started->first, tool)) << fs::path(started->first);
    EXPECT_EQ(started->second, L"\"" + tool.wstring() + L"\"");
    EXPECT_TRUE(messages.empty());
}

// Shows that the decoy above is real: Windows itself splits a bare command line.
TEST_F(WindowsStartSysInfoTest, ABareCommandLineWouldStartTheDecoy) {
    const fs::path tool = installTool(folder / "Common Files" / "MSINFO32.EXE");
    const fs::path decoy = installTool(folder / "Common.exe");
    std::wstring commandLine = tool.wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    const auto started = waitForStart();
    ASSERT_TRUE(started.has_value());
    EXPECT_TRUE(fs::equivalent(started->first, decoy)) << fs::path(started->first);
}

TEST_F(WindowsStartSysInfoTest, StartsTheToolInTheLocationFolder) {
    const fs::path location = folder / "Shared Tools";
    const fs::path tool = installTool(location / "MSINFO32.EXE");
    registry.set(kLocationKey, kLocationValue, REG_SZ, withTerminator(utf8(location)));

    StartSysInfo(*platform);

    const auto started = waitForStart();
    ASSERT_TRUE(started.has_value()) << "nothing was started";
    EXPECT_TRUE(fs::equivalent(started->first, tool)) << fs::path(started->first);
    EXPECT_TRUE(messages.empty());
}

TEST_F(WindowsStartSysInfoTest, AnOverlongFirstValueFallsBackToTheFolder) {
    const fs::path tool = installTool(folder / "MSINFO32.EXE");
    registry.set(kToolKey, kToolValue, REG_SZ, withTerminator(std::string(1024, 'x')));
    registry.set(kLocationKey, kLocationValue, REG_SZ, withTerminator(utf8(folder)));

    StartSysInfo(*platform);

    const auto started = waitForStart();
    ASSERT_TRUE(started.has_value()) << "nothing was started";
    EXPECT_TRUE(fs::equivalent(started->first, tool)) << fs::path(started->first);
}

TEST_F(WindowsStartSysInfoTest, BothValuesMissingIsUnavailable) {
    StartSysInfo(*platform);
    expectUnavailable();
}

TEST_F(WindowsStartSysInfoTest, OnlyANormalFileInTheFolderCounts) {
    const fs::path hidden = folder / "hidden";
    installTool(hidden / "MSINFO32.EXE");
    SetFileAttributesW((hidden / "MSINFO32.EXE").c_str(), FILE_ATTRIBUTE_HIDDEN);
    const fs::path directory = folder / "directory";
    fs::create_directories(directory / "MSINFO32.EXE");
    const fs::path empty = folder / "empty";
    fs::create_directories(empty);

    for (const fs::path& location : {empty, hidden, directory}) {
        messages.clear();
        RegistryValues values;
        values.set(kLocationKey, kLocationValue, REG_SZ, withTerminator(utf8(location)));
        StartSysInfo(*platform);
        SCOPED_TRACE(utf8(location));
        expectUnavailable();
    }
}

TEST_F(WindowsStartSysInfoTest, AFirstValueThatStartsNothingIsUnavailable) {
    installTool(folder / "MSINFO32.EXE");
    registry.set(kLocationKey, kLocationValue, REG_SZ, withTerminator(utf8(folder)));
    const DWORD number = 0x105;
    const std::string numberBytes(reinterpret_cast<const char*>(&number), sizeof number);

    for (const auto& [type, bytes] :
         {std::pair<DWORD, std::string>{REG_SZ, withTerminator(utf8(folder / "gone.exe"))},
          {REG_DWORD, numberBytes},
          {REG_BINARY, "\x43\x3A"}}) {
        messages.clear();
        RegistryValues values;
        values.set(kToolKey, kToolValue, type, bytes);
        StartSysInfo(*platform);
        SCOPED_TRACE(type);
        expectUnavailable();
    }
}

} // namespace
} // namespace duomira
