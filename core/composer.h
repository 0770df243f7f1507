#pragma once

#include "core/channel.h"
#include "core/clicks_from_bytes.h"
#include "core/composer_state.h"
#include "core/program.h"

#include <optional>
#include <string>
#include <string_view>

// The controls an operation exchanges the fields with: the dialog, or a model of it.
class ComposerView {
public:
    // Controls into fields (the radio group into lengthIndex), and the output text.
    virtual void ReadFields(ComposerFields& fields, std::string& outputText) = 0;
    // Fields into controls (lengthIndex into the radio group).
    virtual void WriteFields(const ComposerFields& fields) = 0;
    virtual void SetOutputText(const std::string& text) = 0;

protected:
    ~ComposerView() = default;
};

// Runs each user operation by the exchange contract: read every control, operate,
// write every field back, then set the output text. The region change alone writes
// without reading first, so a radio position checked since the last read jumps back.
class Composer {
public:
    Composer(const Channel& channel, ComposerState& state, ComposerView& view)
        : channel_(channel), state_(state), view_(view) {}

    // The dialog's set-up: reset for the current region, then check radio position 0.
    void SetUp();

    // The user picked item `index` of the region list; an index that names no region
    // (no item selected) changes nothing.
    void ChangeRegion(int index);

    // A push button's edit. One that would change nothing touches no control at all.
    // Returns whether it acted.
    bool Run(Edit edit);

    // The user pasted `text` into the output box: its bytes are entered as the clicks that
    // write them after the composition, the search starting at the radio position checked
    // now (EnterBytes, core/clicks_from_bytes.h), all in one operation with one exchange.
    // `program` is the description whose channel this composer runs. A paste that cannot
    // apply whole, or holds no bytes, changes nothing and writes no control; returns why
    // (PasteRefusalMessage says it to the user), or nothing when it acted.
    std::optional<BytesRefusal> Paste(const Program& program, std::string_view text);

    const ComposerState& State() const { return state_; }

private:
    const Channel& channel_;
    ComposerState& state_;
    ComposerView& view_;
};
