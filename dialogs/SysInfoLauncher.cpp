#include "SysInfoLauncher.h"

#include <algorithm>
#include <array>
#include <exception>
#include <stdexcept>

namespace duomira {

namespace {

using KeyHandle = SysInfoPlatform::KeyHandle;

// Closes an opened key however the read ends, a thrown error included.
class OpenedKey {
public:
    OpenedKey(SysInfoPlatform& platform, KeyHandle key) : platform_(platform), key_(key) {}
    ~OpenedKey() { platform_.closeKey(key_); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

private:
    SysInfoPlatform& platform_;
    KeyHandle key_;
};

// The registry keeps a DWORD lowest byte first; this writes the number the
// bytes make in hexadecimal, without leading zeros.
std::string dwordText(const std::string& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const auto value = static_cast<unsigned char>(*byte);
        hex += digits[value >> 4];
        hex += digits[value & 0xF];
    }
    const auto first = hex.find_first_not_of('0');
    return "&h" + (first == std::string::npos ? std::string("0") : hex.substr(first));
}

bool readValue(SysInfoPlatform& platform, KeyHandle key, const std::string& valueName,
               std::string& keyVal) {
    std::array<unsigned char, kValueBufferSize> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    if (platform.queryValue(key, valueName, type, buffer.data(), size) != 0) {
        return false;
    }
    if (size == 0) {
        throw std::runtime_error("registry value " + valueName + " holds no data");
    }
    std::string data(reinterpret_cast<const char*>(buffer.data()),
                     std::min<std::size_t>(size, buffer.size()));
    // A string value usually carries its terminator; one stored without keeps every byte.
    if (data.back() == '\0') {
        data.pop_back();
    }
    if (type == kRegSz) {
        keyVal = platform.decodeAnsi(data);
    } else if (type == kRegDword) {
        keyVal = dwordText(data);
    }
    return true;
}

// True once the tool has been started; false when the registry does not lead
// to it or the start fails.
bool startTool(SysInfoPlatform& platform) {
    try {
        std::string path;
        if (!GetKeyValue(platform, kLocalMachine, kToolKey, kToolValue, path)) {
            if (!GetKeyValue(platform, kLocalMachine, kLocationKey, kLocationValue, path)) {
                return false;
            }
            if (platform.findFile(path + kToolFileName).empty()) {
                return false;
            }
            path += kToolFileName;
        }
        platform.startProgram(path);
        return true;
    } catch (const std::exception&) {
        // The player is told only that the tool is unavailable, never why.
        return false;
    }
}

} // namespace

bool GetKeyValue(SysInfoPlatform& platform, std::uint32_t keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal) {
    KeyHandle key = 0;
    // Read access is all a lookup needs; asking for more fails for ordinary accounts.
    if (platform.openKey(keyRoot, keyName, kKeyRead, key) != 0) {
        keyVal.clear();
        return false;
    }
    const OpenedKey opened(platform, key);
    if (!readValue(platform, key, subKeyRef, keyVal)) {
        keyVal.clear();
        return false;
    }
    return true;
}

void StartSysInfo(SysInfoPlatform& platform) {
    if (!startTool(platform)) {
        platform.showMessage(kUnavailableText, kAppTitle);
    }
}

} // namespace duomira
