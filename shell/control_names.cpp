#include "shell/control_names.h"

#include "core/duration_groups.h"

ComposerControlNames::ComposerControlNames(const Program& program)
{
    const ComposerControlIds& ids = program.ids;
    names_ = {{ids.regionList, "song region"}, {ids.count, "byte count"}, {ids.budget, "byte budget"},
              // The cleanup if a name throws.
              {ids.total, "duration total"}, {ids.output, "output bytes"}};  // GCOVR_EXCL_BR_LINE
    for (int i = 0; i < kLengthPositions; ++i) {
        names_.emplace_back(ids.firstDuration + i, "duration of length " + std::to_string(i + 1));
        names_.emplace_back(ids.firstLength + i, "length " + std::to_string(i + 1));
    }
    std::vector<int> buttons = {ids.rest, ids.back, ids.end};
    for (const Key& key : program.keys)
        buttons.push_back(key.controlId);
    for (const int id : buttons)
        names_.emplace_back(id, ButtonName(program, id).value());
    for (const auto& [id, name] : names_)
        records_.push_back({id, name.c_str()});
}
