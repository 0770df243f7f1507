#include "shell/control_names.h"

namespace {

constexpr std::array<const char*, 8> kDurationNames = {
    "duration of length 1", "duration of length 2", "duration of length 3", "duration of length 4",
    "duration of length 5", "duration of length 6", "duration of length 7", "duration of length 8",
};

constexpr std::array<const char*, 8> kLengthNames = {
    "length 1", "length 2", "length 3", "length 4", "length 5", "length 6", "length 7", "length 8",
};

}  // namespace

std::array<ControlNameRecord, kSharedControlCount> SharedControlNames(const ComposerControlIds& ids)
{
    std::array<ControlNameRecord, kSharedControlCount> names{};
    std::size_t next = 0;
    names[next++] = {ids.regionList, "song region"};
    names[next++] = {ids.count, "byte count"};
    names[next++] = {ids.budget, "byte budget"};
    for (int i = 0; i < 8; ++i) {
        names[next++] = {ids.firstDuration + i, kDurationNames[static_cast<std::size_t>(i)]};
        names[next++] = {ids.firstLength + i, kLengthNames[static_cast<std::size_t>(i)]};
    }
    names[next++] = {ids.total, "duration total"};
    names[next++] = {ids.rest, "rest"};
    names[next++] = {ids.back, "take back"};
    names[next++] = {ids.end, "end marker"};
    names[next++] = {ids.output, "output bytes"};
    return names;
}
