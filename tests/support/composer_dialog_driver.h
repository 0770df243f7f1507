#pragma once

#include "core/program.h"
#include "framework/cdialog.h"
#include "replay/composer_driver.h"

#include <string>

// A composer dialog driven as the user drives it: items picked from the open region list,
// clicks on the radio buttons and push buttons; what it shows is read off the widgets.
// The dialog must be shown and active (ShowActive).
class ComposerDialogDriver final : public ComposerDriver {
public:
    ComposerDialogDriver(const CDialog& dialog, const ComposerControlIds& ids) : dialog_(dialog), ids_(ids) {}

    int RegionCount() const override;
    void PickRegion(int index) override;
    void CheckLength(int position) override;
    // False, and nothing clicked, when `controlId` is no push button of the dialog.
    bool Click(int controlId) override;
    std::string Show() const override;
    // Ctrl+V in the output box with `text` on the clipboard; the balloon's message when the
    // dialog refuses it.
    std::optional<std::string> Paste(std::string_view text) override;

    // The number box `id` as a number; a failed expectation when it holds anything else.
    int Number(int id) const;
    // The radio position checked, -1 when none is.
    int CheckedLength() const;
    std::string Output() const;
    // The message of the balloon the dialog shows, or nothing when it shows none.
    std::optional<std::string> ShownBalloon() const;

private:
    const CDialog& dialog_;
    ComposerControlIds ids_;
};
