#pragma once

#include "SysInfoPlatform.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace duomira {

// Registry numbers as the Windows API has them; own names, since windows.h
// turns the usual ones into macros.
inline constexpr std::uint32_t kLocalMachine = 0x80000002; // HKEY_LOCAL_MACHINE
inline constexpr std::uint32_t kKeyRead = 0x20019;         // KEY_READ
inline constexpr std::uint32_t kRegSz = 1;                 // REG_SZ
inline constexpr std::uint32_t kRegDword = 4;              // REG_DWORD
inline constexpr std::size_t kValueBufferSize = 1024;

inline constexpr char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kToolValue[] = "PATH";
inline constexpr char kLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kLocationValue[] = "MSINFO";
inline constexpr char kToolFileName[] = "\\MSINFO32.EXE";

inline constexpr char kUnavailableText[] = "지금은 시스템 정보를 사용할 수 없습니다.";
inline constexpr char kAppTitle[] = "Duomira";

// Reads one registry value as text into keyVal; false (and keyVal empty) when
// the key does not open or the value cannot be read. A value without any data
// bytes throws, which StartSysInfo reports like any other failure.
bool GetKeyValue(SysInfoPlatform& platform, std::uint32_t keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);

} // namespace duomira
