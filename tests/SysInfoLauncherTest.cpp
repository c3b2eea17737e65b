#include "SysInfoLauncher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace duomira {
namespace {

constexpr long kSuccess = 0;
constexpr long kFileNotFound = 2;
constexpr long kAccessDenied = 5;
constexpr long kInvalidHandle = 6;
constexpr long kMoreData = 234;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegExpandSz = 2;
// What an ordinary account may do below HKEY_LOCAL_MACHINE: read, nothing more.
constexpr std::uint32_t kReadRights = 0x20019;

struct StoredValue {
    std::uint32_t type;
    std::string bytes;
};

std::string text(const std::string& chars) {
    return chars + std::string(1, '\0');
}

// A registry of an ordinary account, a file system of names and a program
// starter, recording everything the launcher asks of them.
class FakePlatform : public SysInfoPlatform {
public:
    std::map<std::string, std::map<std::string, StoredValue>> keys;
    std::set<std::string> files;     // full paths of normal files
    std::set<std::string> startable; // paths that start as programs
    std::set<std::string> deniedKeys;
    bool findFileThrows = false;
    bool messageThrows = false;

    std::vector<std::string> openedKeyNames;
    std::vector<std::uint32_t> accessMasks;
    std::map<KeyHandle, int> closeCount;
    std::vector<std::string> searchedFiles;
    std::vector<std::string> startedPrograms;
    std::vector<std::pair<std::string, std::string>> messages;

    void setValue(const std::string& key, const std::string& name, std::uint32_t type,
                  const std::string& bytes) {
        keys[key][name] = StoredValue{type, bytes};
    }

    long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t access,
                 KeyHandle& key) override {
        openedKeyNames.push_back(keyName);
        accessMasks.push_back(access);
        if (root != kLocalMachine || !keys.contains(keyName)) {
            return kFileNotFound;
        }
        if (deniedKeys.contains(keyName) || (access & ~kReadRights) != 0) {
            return kAccessDenied;
        }
        key = nextHandle_++;
        handleNames_[key] = keyName;
        return kSuccess;
    }

    long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override {
        if (!handleNames_.contains(key) || closeCount.contains(key)) {
            return kInvalidHandle;
        }
        const auto& values = keys.at(handleNames_.at(key));
        const auto value = values.find(valueName);
        if (value == values.end()) {
            return kFileNotFound;
        }
        const auto& bytes = value->second.bytes;
        type = value->second.type;
        if (bytes.size() > size) {
            size = static_cast<std::uint32_t>(bytes.size());
            return kMoreData;
        }
        // Leaves the rest of the buffer as the caller filled it.
        std::copy(bytes.begin(), bytes.end(), data);
        size = static_cast<std::uint32_t>(bytes.size());
        return kSuccess;
    }

    void closeKey(KeyHandle key) override { ++closeCount[key]; }

    // Latin-1 as the ANSI code page, so a decoded byte differs from the raw one.
    std::string decodeAnsi(const std::string& bytes) override {
        std::string utf8;
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                utf8 += c;
            } else {
                utf8 += static_cast<char>(0xC0 | (byte >> 6));
                utf8 += static_cast<char>(0x80 | (byte & 0x3F));
            }
        }
        return utf8;
    }

    std::string findFile(const std::string& path) override {
        searchedFiles.push_back(path);
        if (findFileThrows) {
            throw std::runtime_error("bad file name");
        }
        return files.contains(path) ? path.substr(path.rfind('\\') + 1) : std::string();
    }

    void startProgram(const std::string& path) override {
        startedPrograms.push_back(path);
        if (!startable.contains(path)) {
            throw std::runtime_error("file not found");
        }
    }

    void showMessage(const std::string& messageText, const std::string& title) override {
        messages.emplace_back(messageText, title);
        if (messageThrows) {
            throw std::runtime_error("no message box");
        }
    }

    int openedKeyCount() const { return static_cast<int>(handleNames_.size()); }
    bool consulted(const std::string& keyName) const {
        return std::ranges::find(openedKeyNames, keyName) != openedKeyNames.end();
    }

private:
    KeyHandle nextHandle_ = 100;
    std::map<KeyHandle, std::string> handleNames_;
};

// Every test ends by checking that each key the launcher opened was closed once.
class LauncherTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(static_cast<int>(platform.closeCount.size()), platform.openedKeyCount());
        for (const auto& [key, count] : platform.closeCount) {
            EXPECT_EQ(count, 1) << "key handle " << key;
        }
    }

    bool read(const std::string& valueName, std::string& keyVal) {
        return GetKeyValue(platform, kLocalMachine, "SOFTWARE\\Test", valueName, keyVal);
    }

    void storeTool(const std::string& path) {
        platform.setValue(kToolKey, kToolValue, kRegSz, text(path));
    }
    void storeLocation(const std::string& folder) {
        platform.setValue(kLocationKey, kLocationValue, kRegSz, text(folder));
    }
    void expectUnavailableMessage() {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].first, "지금은 시스템 정보를 사용할 수 없습니다.");
        EXPECT_EQ(platform.messages[0].second, "Duomira");
    }

    FakePlatform platform;
};

using GetKeyValueTest = LauncherTest;

TEST_F(GetKeyValueTest, ReadsAStringWithoutItsTerminatorThroughTheAnsiCodePage) {
    platform.setValue("SOFTWARE\\Test", "PATH", kRegSz, text("C:\\Caf\xE9\\tool.exe"));
    std::string keyVal = "old";
    EXPECT_TRUE(read("PATH", keyVal));
    EXPECT_EQ(keyVal, "C:\\Caf\xC3\xA9\\tool.exe");
    EXPECT_EQ(platform.accessMasks, std::vector<std::uint32_t>{kKeyRead});
}

TEST_F(GetKeyValueTest, ReadsTheWholeBufferButNotOneByteMore) {
    const std::string chars1023(1023, 'x');
    platform.setValue("SOFTWARE\\Test", "fits", kRegSz, text(chars1023));
    platform.setValue("SOFTWARE\\Test", "over", kRegSz, text(chars1023 + "y"));

    std::string keyVal;
    EXPECT_TRUE(read("fits", keyVal));
    EXPECT_EQ(keyVal, chars1023);

    keyVal = "left over";
    EXPECT_FALSE(read("over", keyVal));
    EXPECT_EQ(keyVal, "");
}

TEST_F(GetKeyValueTest, KeepsEveryByteWhenTheLastIsNotNul) {
    platform.setValue("SOFTWARE\\Test", "short", kRegSz, "abc");
    platform.setValue("SOFTWARE\\Test", "full", kRegSz, std::string(1024, 'z'));
    platform.setValue("SOFTWARE\\Test", "inner", kRegSz, std::string("a\0b", 3));

    std::string keyVal;
    EXPECT_TRUE(read("short", keyVal));
    EXPECT_EQ(keyVal, "abc");
    EXPECT_TRUE(read("full", keyVal));
    EXPECT_EQ(keyVal, std::string(1024, 'z'));
    EXPECT_TRUE(read("inner", keyVal));
    EXPECT_EQ(keyVal, std::string("a\0b", 3));
}

TEST_F(GetKeyValueTest, AnEmptyStringIsReadAsEmptyText) {
    platform.setValue("SOFTWARE\\Test", "empty", kRegSz, text(""));
    std::string keyVal = "old";
    EXPECT_TRUE(read("empty", keyVal));
    EXPECT_EQ(keyVal, "");
}

TEST_F(GetKeyValueTest, WritesANumberInHexadecimal) {
    platform.setValue("SOFTWARE\\Test", "n", kRegDword, std::string("\x05\x01\x00\x00", 4));
    platform.setValue("SOFTWARE\\Test", "zero", kRegDword, std::string(4, '\0'));
    platform.setValue("SOFTWARE\\Test", "max", kRegDword, "\xFF\xFF\xFF\xFF");

    std::string keyVal = "old";
    EXPECT_TRUE(read("n", keyVal));
    EXPECT_EQ(keyVal, "&h105");
    EXPECT_TRUE(read("zero", keyVal));
    EXPECT_EQ(keyVal, "&h0");
    EXPECT_TRUE(read("max", keyVal));
    EXPECT_EQ(keyVal, "&hFFFFFFFF");
}

TEST_F(GetKeyValueTest, OtherTypesLeaveTheTextAsItCame) {
    platform.setValue("SOFTWARE\\Test", "bin", kRegBinary, "\x01\x02");
    platform.setValue("SOFTWARE\\Test", "expand", kRegExpandSz, text("%SystemRoot%"));
    std::string keyVal = "as it came";
    EXPECT_TRUE(read("bin", keyVal));
    EXPECT_EQ(keyVal, "as it came");
    EXPECT_TRUE(read("expand", keyVal));
    EXPECT_EQ(keyVal, "as it came");
}

TEST_F(GetKeyValueTest, AValueWithoutDataIsAnErrorAndStillClosesTheKey) {
    platform.setValue("SOFTWARE\\Test", "nothing", kRegBinary, "");
    std::string keyVal;
    EXPECT_THROW(read("nothing", keyVal), std::runtime_error);
    EXPECT_EQ(platform.closeCount.size(), 1u);
}

TEST_F(GetKeyValueTest, FailuresEmptyTheTextAndCloseOnlyWhatWasOpened) {
    platform.setValue("SOFTWARE\\Test", "other", kRegSz, text("x"));
    std::string keyVal = "old";
    EXPECT_FALSE(read("missing", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(platform.closeCount.size(), 1u);

    keyVal = "old";
    EXPECT_FALSE(GetKeyValue(platform, kLocalMachine, "SOFTWARE\\Nowhere", "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
    keyVal = "old";
    EXPECT_FALSE(GetKeyValue(platform, 0x80000001, "SOFTWARE\\Test", "other", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(platform.closeCount.size(), 1u);
}

using StartSysInfoTest = LauncherTest;

const std::string kProgramFilesTool =
    "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\MSINFO32.EXE";

TEST_F(StartSysInfoTest, StartsTheFirstValueUntestedAndAsTheWholePath) {
    storeTool(kProgramFilesTool);
    storeLocation("C:\\Other");
    platform.startable = {kProgramFilesTool};

    StartSysInfo(platform);

    EXPECT_EQ(platform.startedPrograms, std::vector<std::string>{kProgramFilesTool});
    EXPECT_TRUE(platform.searchedFiles.empty());
    EXPECT_FALSE(platform.consulted(kLocationKey));
    EXPECT_TRUE(platform.messages.empty());
}

// An ordinary account may not write below HKEY_LOCAL_MACHINE; the fake refuses
// any open that asks for more than reading, as Windows does for such a user.
TEST_F(StartSysInfoTest, OpensBothKeysForReadingOnly) {
    storeLocation("D:\\Tools");
    platform.files = {"D:\\Tools\\MSINFO32.EXE"};
    platform.startable = {"D:\\Tools\\MSINFO32.EXE"};

    StartSysInfo(platform);

    EXPECT_EQ(platform.accessMasks, (std::vector<std::uint32_t>{kKeyRead, kKeyRead}));
    EXPECT_EQ(platform.startedPrograms, std::vector<std::string>{"D:\\Tools\\MSINFO32.EXE"});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartSysInfoTest, AFailedStartOfTheFirstValueDoesNotTryTheSecond) {
    storeTool("C:\\Gone\\MSINFO32.EXE");
    storeLocation("D:\\Tools");
    platform.files = {"D:\\Tools\\MSINFO32.EXE"};
    platform.startable = {"D:\\Tools\\MSINFO32.EXE"};

    StartSysInfo(platform);

    EXPECT_EQ(platform.startedPrograms, std::vector<std::string>{"C:\\Gone\\MSINFO32.EXE"});
    EXPECT_FALSE(platform.consulted(kLocationKey));
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, AFolderWithoutTheToolIsUnavailable) {
    storeLocation("D:\\Empty Folder");
    platform.startable = {"D:\\Empty Folder\\MSINFO32.EXE"};

    StartSysInfo(platform);

    EXPECT_EQ(platform.searchedFiles, std::vector<std::string>{"D:\\Empty Folder\\MSINFO32.EXE"});
    EXPECT_TRUE(platform.startedPrograms.empty());
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, BothValuesMissingIsUnavailable) {
    StartSysInfo(platform);

    EXPECT_TRUE(platform.consulted(kToolKey));
    EXPECT_TRUE(platform.consulted(kLocationKey));
    EXPECT_TRUE(platform.startedPrograms.empty());
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, AKeyWithoutTheValueCountsAsMissing) {
    platform.setValue(kToolKey, "Other", kRegSz, text("C:\\x.exe"));
    storeLocation("D:\\Tools");
    platform.files = {"D:\\Tools\\MSINFO32.EXE"};
    platform.startable = {"D:\\Tools\\MSINFO32.EXE"};

    StartSysInfo(platform);

    EXPECT_EQ(platform.startedPrograms, std::vector<std::string>{"D:\\Tools\\MSINFO32.EXE"});
}

TEST_F(StartSysInfoTest, AFirstValueOfAnotherTypeStartsNothingAndIsUnavailable) {
    platform.setValue(kToolKey, kToolValue, kRegBinary, "\x43\x3A");
    storeLocation("D:\\Tools");
    platform.files = {"D:\\Tools\\MSINFO32.EXE"};

    StartSysInfo(platform);

    EXPECT_EQ(platform.startedPrograms, std::vector<std::string>{""});
    EXPECT_FALSE(platform.consulted(kLocationKey));
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, AnOverlongFirstValueCountsAsMissing) {
    platform.setValue(kToolKey, kToolValue, kRegSz, text(std::string(1024, 'x')));
    storeLocation("D:\\Tools");
    platform.files = {"D:\\Tools\\MSINFO32.EXE"};
    platform.startable = {"D:\\Tools\\MSINFO32.EXE"};

    StartSysInfo(platform);

    EXPECT_EQ(platform.startedPrograms, std::vector<std::string>{"D:\\Tools\\MSINFO32.EXE"});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartSysInfoTest, AValueWithoutDataEndsTheSearch) {
    platform.setValue(kToolKey, kToolValue, kRegSz, "");
    storeLocation("D:\\Tools");
    platform.files = {"D:\\Tools\\MSINFO32.EXE"};
    platform.startable = {"D:\\Tools\\MSINFO32.EXE"};

    StartSysInfo(platform);

    EXPECT_FALSE(platform.consulted(kLocationKey));
    EXPECT_TRUE(platform.startedPrograms.empty());
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, AFailingFileTestIsUnavailable) {
    storeLocation("D:\\Tools");
    platform.findFileThrows = true;

    StartSysInfo(platform);

    EXPECT_TRUE(platform.startedPrograms.empty());
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, ARefusedOpenCountsAsMissing) {
    storeTool(kProgramFilesTool);
    storeLocation("D:\\Tools");
    platform.files = {"D:\\Tools\\MSINFO32.EXE"};
    platform.startable = {kProgramFilesTool, "D:\\Tools\\MSINFO32.EXE"};
    platform.deniedKeys = {kToolKey};

    StartSysInfo(platform);
    EXPECT_EQ(platform.startedPrograms, std::vector<std::string>{"D:\\Tools\\MSINFO32.EXE"});

    platform.deniedKeys.insert(kLocationKey);
    StartSysInfo(platform);
    EXPECT_EQ(platform.startedPrograms.size(), 1u);
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, EveryPressSearchesAfresh) {
    storeTool(kProgramFilesTool);
    platform.startable = {kProgramFilesTool};
    StartSysInfo(platform);
    platform.keys.clear();
    StartSysInfo(platform);

    EXPECT_EQ(platform.startedPrograms, std::vector<std::string>{kProgramFilesTool});
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, AFailingMessageBoxIsNotHidden) {
    platform.messageThrows = true;
    EXPECT_THROW(StartSysInfo(platform), std::runtime_error);
}

} // namespace
} // namespace duomira
