#include "shell/control_names.h"

#include "core/duration_groups.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<const char*, kLengthPositions> kDurationNames = {
    "duration of length 1", "duration of length 2", "duration of length 3", "duration of length 4",
    "duration of length 5", "duration of length 6", "duration of length 7", "duration of length 8",
};

constexpr std::array<const char*, kLengthPositions> kLengthNames = {
    "length 1", "length 2", "length 3", "length 4", "length 5", "length 6", "length 7", "length 8",
};

}  // namespace

std::vector<ControlNameRecord> ComposerControlNames(const Program& program)
{
    const ComposerControlIds& ids = program.ids;
    std::vector<ControlNameRecord> names = {
        {ids.regionList, "song region"}, {ids.count, "byte count"},  {ids.budget, "byte budget"},
        {ids.total, "duration total"},   {ids.rest, "rest"},         {ids.back, "take back"},
        {ids.end, "end marker"},         {ids.output, "output bytes"},
    };
    for (int i = 0; i < kLengthPositions; ++i) {
        names.push_back({ids.firstDuration + i, kDurationNames[static_cast<std::size_t>(i)]});
        names.push_back({ids.firstLength + i, kLengthNames[static_cast<std::size_t>(i)]});
    }
    for (const Key& key : program.keys)
        names.push_back({key.controlId, std::string_view(key.caption) == "x" ? kNoNoteName : key.name});
    return names;
}
