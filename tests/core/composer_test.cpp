// Operations as the dialog runs them: one exchange with the controls, or none at all.
#include "core/composer.h"
#include "core/paste_message.h"
#include "core/single_byte_channel.h"
#include "tests/core/all_programs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Controls that count how often an operation reads and writes them.
class CountingView final : public ComposerView {
public:
    void ReadFields(ComposerFields& fields, std::string& outputText) override
    {
        ++reads;
        fields = boxes;
        outputText = output;
    }
    void WriteFields(const ComposerFields& fields) override
    {
        ++writes;
        boxes = fields;
    }
    void SetOutputText(const std::string& text) override
    {
        ++outputs;
        output = text;
    }

    ComposerFields boxes;
    std::string output;
    int reads = 0;
    int writes = 0;
    int outputs = 0;
};

// A twinwave dialog set up in region 0 with one note entered at radio position 0; then the
// user checks radio position 3 and no operation has read it yet.
struct Dialog {
    Dialog()
    {
        composer.SetUp();
        composer.Run({EditKind::Event, 0x14});
        view.boxes.lengthIndex = 3;
        view.reads = view.writes = view.outputs = 0;
    }

    ComposerState state;
    CountingView view;
    Composer composer{twinwave::kProgram.channel, state, view};
};

}  // namespace

// The whole paste reads the controls once, the radio position checked since included, and
// writes them and the output box once; whitespace of any kind may stand between bytes.
TEST(ComposerPaste, ItReadsOnceAndWritesOnce)
{
    Dialog dialog;
    EXPECT_EQ(dialog.composer.Paste(twinwave::kProgram, "00\r\n87 04\t18"), std::nullopt);
    EXPECT_EQ(dialog.view.output, "8114008704" "18");
    EXPECT_EQ(dialog.view.boxes.byteCount, 6);
    EXPECT_EQ(dialog.view.boxes.lengthIndex, 3);
    EXPECT_EQ(dialog.state.history.Top(), 4);
    EXPECT_EQ(dialog.view.reads, 1);
    EXPECT_EQ(dialog.view.writes, 1);
    EXPECT_EQ(dialog.view.outputs, 1);

    // An end marker alone leaves the radio position the user checked, as its button does.
    Dialog endOnly;
    endOnly.composer.Paste(twinwave::kProgram, "00");
    EXPECT_EQ(endOnly.view.boxes.lengthIndex, 3);
}

// A refused paste writes no control and leaves the state as it was, the radio position
// last read too; the dialog's message says which byte.
TEST(ComposerPaste, ARefusedPasteWritesNothing)
{
    for (const char* text : {"", " \n", "8114 z", "81 14 8"}) {
        Dialog dialog;
        const ComposerState before = dialog.state;
        const std::optional<BytesRefusal> refusal = dialog.composer.Paste(twinwave::kProgram, text);
        ASSERT_TRUE(refusal) << text;
        EXPECT_EQ(dialog.view.writes + dialog.view.outputs, 0) << text;
        EXPECT_EQ(dialog.state.fields, before.fields) << text;
        EXPECT_EQ(dialog.state.outputText, before.outputText) << text;
        EXPECT_EQ(dialog.state.history.Top(), before.history.Top()) << text;
    }
    Dialog dialog;
    EXPECT_EQ(PasteRefusalMessage(*dialog.composer.Paste(twinwave::kProgram, "8114 FF")),
              "貼り付けできません：3 バイト目はこの領域では書けません");
}

// An edit the voice has no bytes for, from a caller that passes one, is refused without a
// look at the controls; so are the edits that write nothing. A key's bytes need a checked
// radio position: with none checked, its click writes nothing.
TEST(ComposerEdits, WhatTheVoiceCannotWriteIsRefusedAndWritesNothing)
{
    for (const Program* program : kPrograms) {
        const Channel& channel = program->channel;
        const auto* singleByte = dynamic_cast<const SingleByteChannel*>(&channel);
        const int values = singleByte != nullptr ? singleByte->EventCount() : 0x100;
        ComposerState state;
        CountingView view;
        Composer composer(channel, state, view);
        composer.SetUp();
        EXPECT_NE(channel.Written(state, {EditKind::Event, values - 1}, 0), "") << program->name;
        for (const Edit edit : {Edit{EditKind::Event, values}, Edit{EditKind::Event, -1}, Edit{}}) {
            EXPECT_EQ(channel.Written(state, edit, 0), "") << program->name << " " << edit.value;
            EXPECT_FALSE(composer.Run(edit)) << program->name << " " << edit.value;
        }
        EXPECT_EQ(channel.Written(state, {EditKind::Undo}, 0), "");
        for (const int position : {-1, kLengthPositions})
            EXPECT_EQ(channel.Written(state, {EditKind::Event, program->restValue}, position), "") << position;
        EXPECT_EQ(view.reads, 0) << program->name;

        view.boxes.lengthIndex = -1;
        EXPECT_TRUE(composer.Run({EditKind::Event, program->restValue}));
        EXPECT_EQ(view.output, "") << program->name;
        EXPECT_EQ(view.boxes.byteCount, 0) << program->name;
        EXPECT_TRUE(state.history.IsEmpty()) << program->name;

        // An id that is no push button has neither an edit nor a name.
        EXPECT_EQ(ButtonEdit(*program, program->ids.output), std::nullopt);
        EXPECT_EQ(ButtonName(*program, program->ids.output), std::nullopt);
    }
}
