#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace duomira {

// What the system-information launcher needs from the operating system. The
// real one talks to the Windows registry (elsewhere every key fails to open);
// tests put a fake registry and a recording message box behind it.
class SysInfoPlatform {
public:
    using KeyHandle = std::uintptr_t;

    virtual ~SysInfoPlatform() = default;

    // Registry, with the result codes of the Windows API: 0 is success.
    virtual long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t access,
                         KeyHandle& key) = 0;
    virtual long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;
    virtual void closeKey(KeyHandle key) = 0;
    // Turns bytes in the system's ANSI code page into UTF-8 text.
    virtual std::string decodeAnsi(const std::string& bytes) = 0;

    // The name of the first normal file matching the path, or "" when none.
    virtual std::string findFile(const std::string& path) = 0;
    // Starts the program file itself, not waiting for it; throws on failure.
    virtual void startProgram(const std::string& path) = 0;
    // A modal message box with one button and no icon.
    virtual void showMessage(const std::string& text, const std::string& title) = 0;
};

using MessageBoxFunction = std::function<void(const std::string& text, const std::string& title)>;

// The operating system's platforms leave the message box to their caller.
class SystemPlatformBase : public SysInfoPlatform {
public:
    explicit SystemPlatformBase(MessageBoxFunction showMessage)
        : showMessage_(std::move(showMessage)) {}
    void showMessage(const std::string& text, const std::string& title) final {
        showMessage_(text, title);
    }

private:
    MessageBoxFunction showMessage_;
};

// The operating system's own platform; the message box is the caller's, so
// the launcher itself stays free of any toolkit.
std::unique_ptr<SysInfoPlatform> makeSystemPlatform(MessageBoxFunction showMessage);

// Finds the system-information tool and starts it, or says it is unavailable.
void StartSysInfo(SysInfoPlatform& platform);

} // namespace duomira
