#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// A program's version resource: the fixed part and one block of strings.

inline constexpr std::uint32_t VS_FFI_FILEFLAGSMASK = 0x3F;
inline constexpr std::uint32_t VOS__WINDOWS32 = 0x4;
inline constexpr std::uint32_t VFT_APP = 0x1;

struct VersionStrings {
    const char* companyName;
    const char* fileDescription;
    const char* fileVersion;
    const char* internalName;
    const char* legalTrademarks;
    const char* originalFilename;
    const char* productName;
    const char* productVersion;
};

struct VersionInfo {
    std::array<std::uint16_t, 4> fileVersion;
    std::array<std::uint16_t, 4> productVersion;
    std::uint32_t fileFlagsMask = VS_FFI_FILEFLAGSMASK;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOs = VOS__WINDOWS32;
    std::uint32_t fileType = VFT_APP;
    std::uint32_t fileSubtype = 0;
    std::uint16_t language;   // the string block's language and code page, also the
    std::uint16_t codePage;   // one translation entry
    const char* stringBlock;  // language and code page as eight hex digits, "041104B0"
    VersionStrings strings;
};

// Looks a value up in the program's version resource the way the old platform's query
// does: "\\StringFileInfo\\<block>\\<name>", e.g. "\\StringFileInfo\\041104B0\\ProductName".
// Nothing when the program has no version resource or no such value.
std::optional<std::string_view> AfxQueryVersionValue(std::string_view path);
