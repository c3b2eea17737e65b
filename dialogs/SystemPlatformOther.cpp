#include "SysInfoPlatform.h"

#include <spawn.h>

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

extern char** environ;

namespace duomira {

namespace {

constexpr long kFileNotFound = 2;  // ERROR_FILE_NOT_FOUND
constexpr long kInvalidHandle = 6; // ERROR_INVALID_HANDLE

// Without a Windows registry no key exists, so the tool is never found; the
// file test and the start still work for what a caller hands them.
class OtherPlatform final : public SystemPlatformBase {
public:
    using SystemPlatformBase::SystemPlatformBase;

    long openKey(std::uint32_t, const std::string&, std::uint32_t, KeyHandle&) override {
        return kFileNotFound;
    }

    long queryValue(KeyHandle, const std::string&, std::uint32_t&, unsigned char*,
                    std::uint32_t&) override {
        return kInvalidHandle;
    }

    void closeKey(KeyHandle) override {}

    std::string decodeAnsi(const std::string& bytes) override { return bytes; }

    // A dot file is what counts as hidden here.
    std::string findFile(const std::string& path) override {
        const std::filesystem::path file(path);
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error)) {
            return {};
        }
        const std::string name = file.filename().string();
        return name.starts_with('.') ? std::string() : name;
    }

    // posix_spawn runs the file itself with no shell in between, so blanks in
    // the path are part of the file name.
    void startProgram(const std::string& path) override {
        std::vector<char> programName(path.begin(), path.end());
        programName.push_back('\0');
        char* arguments[] = {programName.data(), nullptr};
        pid_t child = 0;
        const int error = posix_spawn(&child, path.c_str(), nullptr, nullptr, arguments, environ);
        if (error != 0) {
            throw std::system_error(error, std::generic_category(), "cannot start " + path);
        }
    }
};

} // namespace

std::unique_ptr<SysInfoPlatform> makeSystemPlatform(MessageBoxFunction showMessage) {
    return std::make_unique<OtherPlatform>(std::move(showMessage));
}

} // namespace duomira
