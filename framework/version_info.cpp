#include "framework/resources.h"
#include "framework/version_info.h"

namespace {

struct NamedString {
    std::string_view name;
    const char* VersionStrings::*value;
};

constexpr NamedString kStringNames[] = {
    {"CompanyName", &VersionStrings::companyName},
    {"FileDescription", &VersionStrings::fileDescription},
    {"FileVersion", &VersionStrings::fileVersion},
    {"InternalName", &VersionStrings::internalName},
    {"LegalTrademarks", &VersionStrings::legalTrademarks},
    {"OriginalFilename", &VersionStrings::originalFilename},
    {"ProductName", &VersionStrings::productName},
    {"ProductVersion", &VersionStrings::productVersion},
};

constexpr std::string_view kStringFileInfo = "\\StringFileInfo\\";

}  // namespace

std::optional<std::string_view> AfxQueryVersionValue(std::string_view path)
{
    const VersionInfo* info = kModuleResources.version;
    if (info == nullptr || !path.starts_with(kStringFileInfo))
        return std::nullopt;
    path.remove_prefix(kStringFileInfo.size());
    const std::string_view block = info->stringBlock;
    if (!path.starts_with(block) || path.substr(block.size(), 1) != "\\")
        return std::nullopt;
    path.remove_prefix(block.size() + 1);
    for (const NamedString& named : kStringNames) {
        if (named.name == path) {
            const char* value = info->strings.*named.value;
            return value != nullptr ? std::string_view(value) : std::string_view();
        }
    }
    return std::nullopt;
}
