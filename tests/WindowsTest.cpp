// The launcher on the real Windows platform, under Wine with a Korean system
// (ANSI code page 949): registry values written below HKEY_LOCAL_MACHINE of a
// throw-away prefix, real files and real processes.
#include "SysInfoLauncher.h"

#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace duomira {
namespace {

namespace fs = std::filesystem;

struct Value {
    DWORD type;
    std::string bytes;
};

std::string sz(const std::string& chars) {
    return chars + std::string(1, '\0');
}

// Gives everyone the rights on the key, made if need be: all of them ("KA"),
// or reading only ("KR"), as an ordinary account has below HKEY_LOCAL_MACHINE.
void allow(const char* key, const std::string& rights) {
    HKEY opened = nullptr;
    PSECURITY_DESCRIPTOR dacl = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, WRITE_DAC, nullptr, &opened, nullptr);
    ConvertStringSecurityDescriptorToSecurityDescriptorA(("D:P(A;;" + rights + ";;;WD)").c_str(),
                                                         SDDL_REVISION_1, &dacl, nullptr);
    RegSetKeySecurity(opened, DACL_SECURITY_INFORMATION, dacl);
    LocalFree(dacl);
    RegCloseKey(opened);
}

void store(const char* key, const char* name, const Value& value) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, value.type, value.bytes.data(),
                    static_cast<DWORD>(value.bytes.size()));
}

struct Machine {
    std::optional<Value> path = std::nullopt; // the first value
    bool pathKeyReadOnly = false;             // its key refuses more than reading
    const char* folder = "Tools";             // the second value, in code page 949
    const wchar_t* started = nullptr;         // the program file started, if any
};

// Handed to the system as a bare command line, "...\My Tools\MSINFO32.EXE"
// would start the decoy "...\My.exe" beside the folder "My Tools".
TEST(StartSysInfo, StartsThePathOrTheToolInTheFolderAndElseSaysItCannot) {
    const fs::path root = fs::temp_directory_path() / "duomira launcher";
    fs::remove_all(root);
    for (const wchar_t* file : {L"My Tools\\MSINFO32.EXE", L"My.exe", L"Tools\\MSINFO32.EXE",
                                L"Hidden\\MSINFO32.EXE", L"토리무나\\MSINFO32.EXE"}) {
        fs::create_directories((root / file).parent_path());
        fs::copy_file(fs::current_path() / "sysinfo_helper.exe", root / file); // beside the test
    }
    SetFileAttributesW((root / "Hidden\\MSINFO32.EXE").c_str(), FILE_ATTRIBUTE_HIDDEN);
    const std::string tool = (root / "My Tools\\MSINFO32.EXE").string(), x(1023, 'x');
    // clang-format off
    const std::vector<Machine> machines{
        {.path = Value{REG_SZ, sz(tool)}, .started = L"My Tools\\MSINFO32.EXE"},
        {.path = Value{REG_SZ, sz(tool)}, .pathKeyReadOnly = true, .started = L"My Tools\\MSINFO32.EXE"},
        {.path = Value{REG_SZ, sz(tool + "x")}},                   // starts nothing: no second try
        {.path = Value{REG_SZ, sz(x)}},                            // fills the buffer: read, tried
        {.path = Value{REG_SZ, sz(x + "x")}, .started = L"Tools\\MSINFO32.EXE"}, // one byte more
        {.path = Value{REG_BINARY, sz(tool)}},                     // not text: an empty path
        {.path = Value{REG_SZ, ""}},                               // no data at all
        {.folder = "\xC5\xE4\xB8\xAE\xB9\xAB\xB3\xAA", .started = L"토리무나\\MSINFO32.EXE"},
        {.folder = "Hidden"},
        {.folder = "Nowhere"},
        {.folder = nullptr}};
    // clang-format on
    for (std::size_t m = 0; m < machines.size(); ++m) {
        const Machine& machine = machines[m];
        for (const char* key : {kToolKey, kLocationKey}) {
            allow(key, "KA");
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
        }
        if (machine.path)
            store(kToolKey, kToolValue, *machine.path);
        if (machine.pathKeyReadOnly)
            allow(kToolKey, "KR");
        if (machine.folder)
            store(kLocationKey, kLocationValue,
                  {REG_SZ, sz(root.string() + "\\" + machine.folder)});
        const fs::path marker = root / ("started " + std::to_string(m));
        SetEnvironmentVariableW(L"DUOMIRA_MARKER", marker.c_str());
        std::vector<std::string> messages;
        auto platform = makeSystemPlatform([&](const std::string& text, const std::string& title) {
            messages.push_back(title + text);
        });
        StartSysInfo(*platform);
        // A start takes well under a second on a quiet machine.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (machine.started && !fs::exists(marker) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::ifstream in(marker, std::ios::binary);
        const std::string raw(std::istreambuf_iterator<char>(in), {});
        // the helper's own path, then its command line: the quoted path
        const std::wstring report(reinterpret_cast<const wchar_t*>(raw.data()), raw.size() / 2);
        const fs::path started(report.substr(0, report.find(L'\n')));
        if (machine.started)
            EXPECT_TRUE(fs::exists(started) && fs::equivalent(started, root / machine.started) &&
                        report.ends_with(L"\n\"" + (root / machine.started).wstring() + L"\""))
                << "machine " << m << " started " << started;
        else
            EXPECT_EQ(messages,
                      std::vector<std::string>{"Duomira지금은 시스템 정보를 사용할 수 없습니다."})
                << "machine " << m;
    }
}

} // namespace
} // namespace duomira
