#include "SysInfoLauncher.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace duomira {
namespace {

namespace fs = std::filesystem;

class SystemPlatformOtherTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("duomira launcher " + std::to_string(getpid()));
        fs::create_directories(folder);
        platform = makeSystemPlatform([this](const std::string& text, const std::string& title) {
            messages.emplace_back(text, title);
        });
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path writeFile(const std::string& name, const std::string& content) {
        fs::path path = folder / name;
        std::ofstream(path) << content;
        return path;
    }

    fs::path folder;
    std::unique_ptr<SysInfoPlatform> platform;
    std::vector<std::pair<std::string, std::string>> messages;
};

TEST_F(SystemPlatformOtherTest, WithoutARegistryTheToolIsUnavailable) {
    SysInfoPlatform::KeyHandle key = 0;
    EXPECT_NE(platform->openKey(kLocalMachine, kToolKey, kKeyRead, key), 0);

    StartSysInfo(*platform);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, "지금은 시스템 정보를 사용할 수 없습니다.");
    EXPECT_EQ(messages[0].second, "Duomira");
}

TEST_F(SystemPlatformOtherTest, FindsOnlyNormalFiles) {
    writeFile("MSINFO32.EXE", "");
    writeFile(".hidden", "");
    fs::create_directory(folder / "sub folder");

    EXPECT_EQ(platform->findFile((folder / "MSINFO32.EXE").string()), "MSINFO32.EXE");
    EXPECT_EQ(platform->findFile((folder / ".hidden").string()), "");
    EXPECT_EQ(platform->findFile((folder / "sub folder").string()), "");
    EXPECT_EQ(platform->findFile((folder / "missing").string()), "");
}

TEST_F(SystemPlatformOtherTest, StartsTheFileItselfWithBlanksInItsPath) {
    // Were the path handed to a shell, it would run "…/duomira" with arguments.
    const fs::path marker = folder / "started";
    const fs::path program =
        writeFile("my tool", "#!/bin/sh\necho \"$0\" > '" + marker.string() + ".tmp'\nmv '" +
                                 marker.string() + ".tmp' '" + marker.string() + "'\n");
    fs::permissions(program, fs::perms::owner_all);

    platform->startProgram(program.string());

    // The launcher does not wait for the tool; the test does, for its mark.
    for (int tries = 0; tries < 500 && !fs::exists(marker); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::ifstream in(marker);
    const std::string started((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(started, program.string() + "\n");
}

TEST_F(SystemPlatformOtherTest, AFileThatCannotStartThrows) {
    const fs::path plain = writeFile("not a program", "text");
    EXPECT_THROW(platform->startProgram((folder / "missing").string()), std::runtime_error);
    EXPECT_THROW(platform->startProgram(plain.string()), std::runtime_error);
    EXPECT_THROW(platform->startProgram(""), std::runtime_error);
}

} // namespace
} // namespace duomira
