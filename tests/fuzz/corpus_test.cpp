// The fuzz targets' check over the seed corpus in fuzz/corpus/<program>/: every seed, and
// every crash input added there, must leave the windowless dialog in step with the
// reference model.
#include "core/program.h"
#include "fuzz/action_script.h"
#include "fuzz/reference_check.h"
#include "pulsar/square1_channel.h"
#include "rustle/noise_channel.h"
#include "twinwave/square2_triangle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ExpectSeedsPass(const Program& program)
{
    const std::filesystem::path folder = std::filesystem::path(FUZZ_CORPUS_DIR) / program.name;
    int seeds = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        const std::optional<std::string> failure = fuzz::CheckInput(program, ReadBytes(file.path()));
        EXPECT_FALSE(failure) << file.path() << ": " << failure.value_or("");
        ++seeds;
    }
    EXPECT_GE(seeds, 4) << folder;
}

// The noise composer with "休" wired to "チ": what a wrong message-map entry would do.
std::optional<Edit> RestPlaysNoise1(int controlId)
{
    return controlId == 1023 ? Edit{EditKind::Event, rustle::kNoise1Event} : rustle::kProgram.buttonEdit(controlId);
}

// The square-2/triangle composer with its keys without a meaning made to play a note byte.
std::optional<Edit> EveryKeyPlays(int controlId)
{
    const std::optional<Edit> edit = twinwave::kProgram.buttonEdit(controlId);
    return edit && edit->kind == EditKind::None ? Edit{EditKind::Event, 0x66} : edit;
}

}  // namespace

TEST(FuzzCorpus, NoiseSeedsAgreeWithTheReference) { ExpectSeedsPass(rustle::kProgram); }
TEST(FuzzCorpus, SquareOneSeedsAgreeWithTheReference) { ExpectSeedsPass(pulsar::kProgram); }
TEST(FuzzCorpus, TwinwaveSeedsAgreeWithTheReference) { ExpectSeedsPass(twinwave::kProgram); }

TEST(FuzzCorpus, CheckCatchesAButtonBoundToTheWrongEvent)
{
    const Program miswired{"rustle", rustle::kChannel, &RestPlaysNoise1};
    const std::optional<std::string> failure = fuzz::CheckInput(miswired, ReadBytes(std::filesystem::path(FUZZ_CORPUS_DIR) / "rustle/worked-example-region-1"));
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("click 1023"), std::string::npos) << *failure;

    const Program playsEveryKey{"twinwave", twinwave::kChannel, &EveryKeyPlays};
    EXPECT_TRUE(fuzz::CheckInput(playsEveryKey, ReadBytes(std::filesystem::path(FUZZ_CORPUS_DIR) / "twinwave/foreign-ids")))
        << "a key captioned \"x\" that plays must be caught";
}

// The seeds are written in this format; a change of it would silently change what they do.
TEST(FuzzCorpus, BytesDecodeIntoTheDocumentedActions)
{
    const fuzz::DialogControls controls{5, {1020, 1021, 1022, 1023, 1024, 1025}, 1024};
    const std::vector<std::uint8_t> bytes = {0x00, 0,    0x00, 3,     0x39, 0x02, 7,  0x05, 2, 0x0D,
                                             26,   0x06, 3,    2,     0x17, 0x02};
    const std::vector<fuzz::Action> actions = fuzz::DecodeActions(bytes, controls);
    ASSERT_EQ(actions.size(), 8u);
    const auto expect = [&](std::size_t i, fuzz::Action::Kind kind, int value, int times) {
        EXPECT_EQ(actions[i].kind, kind) << i;
        EXPECT_EQ(actions[i].value, value) << i;
        EXPECT_EQ(actions[i].times, times) << i;
    };
    expect(0, fuzz::Action::PickRegion, -1, 1);   // no item selected
    expect(1, fuzz::Action::PickRegion, 2, 1);
    expect(2, fuzz::Action::CheckLength, 7, 1);
    expect(3, fuzz::Action::Click, 1021, 1);      // 7 mod 6 = button 1
    expect(4, fuzz::Action::Click, 1, 1);         // a foreign id
    expect(5, fuzz::Action::Click, 1026, 1);      // the output box
    expect(6, fuzz::Action::Click, 1023, 9);      // 1 + 4 * 2 clicks
    expect(7, fuzz::Action::Click, 1024, 9);      // "←" 1 + 4 * 2 times; the truncated click after it is dropped
}
