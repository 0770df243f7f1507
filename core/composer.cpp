#include "core/composer.h"

#include <utility>
#include <variant>
#include <vector>

void Composer::SetUp()
{
    ChangeRegion(state_.currentRegion);
    state_.fields.lengthIndex = 0;
    view_.WriteFields(state_.fields);
}

void Composer::ChangeRegion(int index)
{
    const RegionCatalogue catalogue = channel_.Catalogue();
    if (!IsRegionIndex(catalogue, index))
        return;
    if (!SelectRegion(state_, catalogue, index))
        return;
    view_.WriteFields(state_.fields);
    view_.SetOutputText(state_.outputText);
}

bool Composer::Run(Edit edit)
{
    if (!channel_.Accepts(state_, edit))
        return false;
    view_.ReadFields(state_.fields, state_.outputText);
    channel_.Apply(state_, edit);
    view_.WriteFields(state_.fields);
    view_.SetOutputText(state_.outputText);
    return true;
}

std::optional<BytesRefusal> Composer::Paste(const Program& program, std::string_view text)
{
    // Read into a copy: a refused paste leaves even the radio position last read as it was.
    ComposerState pasted = state_;
    view_.ReadFields(pasted.fields, pasted.outputText);
    const std::variant<std::vector<ButtonClick>, BytesRefusal> entered = EnterBytes(program, pasted, text);
    if (const auto* refusal = std::get_if<BytesRefusal>(&entered))
        return *refusal;
    if (std::get<std::vector<ButtonClick>>(entered).empty())
        return BytesRefusal{BytesFault::NoBytes, 0, ""};
    state_ = std::move(pasted);
    view_.WriteFields(state_.fields);
    view_.SetOutputText(state_.outputText);
    return std::nullopt;
}
