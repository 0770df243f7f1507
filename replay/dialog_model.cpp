#include "replay/dialog_model.h"

#include "core/paste_message.h"

DialogModel::DialogModel(const Program& program)
    : program_(program), composer_(program.channel, state_, *this)
{
    WriteFields(state_.fields);  // number boxes "0", every radio button cleared
    selectedItem_ = state_.currentRegion;
    composer_.SetUp();
}

int DialogModel::RegionCount() const
{
    return static_cast<int>(program_.channel.Catalogue().size());
}

void DialogModel::PickRegion(int index)
{
    selectedItem_ = index;
    composer_.ChangeRegion(index);
}

void DialogModel::CheckLength(int position)
{
    boxes_.lengthIndex = position;
}

bool DialogModel::Click(int controlId)
{
    const std::optional<Edit> edit = ButtonEdit(program_, controlId);
    if (!edit)
        return false;
    composer_.Run(*edit);
    return true;
}

std::optional<std::string> DialogModel::Paste(std::string_view text)
{
    const std::optional<BytesRefusal> refusal = composer_.Paste(program_, text);
    if (!refusal)
        return std::nullopt;
    return PasteRefusalMessage(*refusal);
}

std::string DialogModel::Show() const
{
    return FormatShowLine(selectedItem_, boxes_, outputBox_);
}

void DialogModel::ReadFields(ComposerFields& fields, std::string& outputText)
{
    fields = boxes_;
    outputText = outputBox_;
}

void DialogModel::WriteFields(const ComposerFields& fields)
{
    boxes_ = fields;
}

void DialogModel::SetOutputText(const std::string& text)
{
    outputBox_ = text;
}
