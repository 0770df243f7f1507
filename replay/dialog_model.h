#pragma once

#include "core/composer.h"
#include "core/program.h"
#include "replay/composer_driver.h"

#include <array>

// A program's dialog without a window: its controls are plain values, and operations
// exchange with them exactly as with the real controls.
class DialogModel final : public ComposerDriver, private ComposerView {
public:
    // Starts as after the dialog's set-up: region 0 selected and reset, radio 0 checked.
    explicit DialogModel(const Program& program);

    int RegionCount() const override;
    void PickRegion(int index) override;
    void CheckLength(int position) override;
    bool Click(int controlId) override;
    std::optional<std::string> Paste(std::string_view text) override;
    std::string Show() const override;

    const ComposerState& State() const { return state_; }
    // What the controls show, as Show() prints it.
    int SelectedItem() const { return selectedItem_; }
    const ComposerFields& Shown() const { return boxes_; }
    const std::string& Output() const { return outputBox_; }

private:
    void ReadFields(ComposerFields& fields, std::string& outputText) override;
    void WriteFields(const ComposerFields& fields) override;
    void SetOutputText(const std::string& text) override;

    const Program& program_;
    ComposerState state_;
    Composer composer_;

    // The controls.
    int selectedItem_ = -1;
    ComposerFields boxes_;  // what the number boxes and the radio group show
    std::string outputBox_;
};
