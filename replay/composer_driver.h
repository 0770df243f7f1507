#pragma once

#include "core/composer_state.h"

#include <optional>
#include <string>
#include <string_view>

// What a dialog shows, as the one line that Show() gives: each field named before its value.
inline constexpr std::string_view kShowLine
    = "region=I count=C budget=B durations=D0,..,D7 total=T length=R output=HEX";

// The user's side of one composer dialog, as an action script drives it.
class ComposerDriver {
public:
    virtual ~ComposerDriver() = default;

    virtual int RegionCount() const = 0;
    // The user picks item `index` of the region list.
    virtual void PickRegion(int index) = 0;
    // The user checks radio position 0..7; nothing else happens.
    virtual void CheckLength(int position) = 0;
    // The user clicks the push button `controlId`; false when the dialog has no such button.
    virtual bool Click(int controlId) = 0;
    // The user pastes `text` into the output box; what the dialog says when it refuses the
    // paste, or nothing when it took it.
    virtual std::optional<std::string> Paste(std::string_view text) = 0;
    // What the dialog shows, as one line of the form kShowLine.
    virtual std::string Show() const = 0;
};

// Formats the line Show() returns (kShowLine) from the selected item, what the number
// boxes and the radio group show, and the output text.
std::string FormatShowLine(int region, const ComposerFields& shown, const std::string& output);
