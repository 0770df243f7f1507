// Long random sequences of user actions in all three programs, each step checked against
// the reference model written from the encoding rules.
#include "pulsar/square1_channel.h"
#include "replay/dialog_model.h"
#include "rustle/noise_channel.h"
#include "tests/support/reference_dialog.h"
#include "twinwave/square2_triangle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using reference::Button;

int Number(const std::string& line, const std::string& name)
{
    return std::stoi(line.substr(line.find(name + "=") + name.size() + 1));
}

void RunRandomSequence(const Program& program, unsigned seed, int steps)
{
    std::mt19937 random(seed);
    const reference::Voice voice = reference::VoiceOf(program.name);
    const std::vector<Button> buttons = reference::ButtonsOf(voice);
    const int back = std::find_if(buttons.begin(), buttons.end(), [](const Button& b) { return b.kind == Button::Back; })->id;
    DialogModel dialog(program);
    reference::ReferenceDialog expected(voice, program.channel.Catalogue());
    // Mostly clicks, so that compositions grow long enough to fill the history.
    std::discrete_distribution<int> action({0.05, 8, 90, 1});
    std::size_t longest = 0;
    for (int step = 0; step < steps; ++step) {
        switch (action(random)) {
        case 0: {
            const int index = std::uniform_int_distribution<int>(0, dialog.RegionCount() - 1)(random);
            dialog.PickRegion(index);
            expected.PickRegion(index);
            break;
        }
        case 1: {
            const int position = std::uniform_int_distribution<int>(0, 7)(random);
            dialog.CheckLength(position);
            expected.CheckLength(position);
            break;
        }
        case 2: {
            const Button& button = buttons[std::uniform_int_distribution<std::size_t>(0, buttons.size() - 1)(random)];
            ASSERT_TRUE(dialog.Click(button.id));
            expected.Click(button.id);
            break;
        }
        default:  // a run of "←"
            for (int i = std::uniform_int_distribution<int>(1, 30)(random); i > 0; --i) {
                dialog.Click(back);
                expected.Click(back);
            }
            break;
        }
        const std::string shown = dialog.Show();
        ASSERT_EQ(shown, expected.Show()) << program.name << " seed " << seed << " step " << step;
        const std::string output = shown.substr(shown.find("output=") + 7);
        ASSERT_EQ(output.size(), 2 * static_cast<std::size_t>(Number(shown, "count")));
        ASSERT_LE(dialog.State().history.Top(), HistoryStack::kCapacity);
        longest = std::max(longest, expected.EntryCount());
    }
    EXPECT_EQ(longest, 998u) << "the sequence should have reached a full history";
}

}  // namespace

TEST(RandomSequences, NoiseComposerFollowsTheRules)
{
    for (unsigned seed = 1; seed <= 4; ++seed)
        RunRandomSequence(rustle::kProgram, seed, 12000);
}

TEST(RandomSequences, SquareOneComposerFollowsTheRules)
{
    for (unsigned seed = 1; seed <= 4; ++seed)
        RunRandomSequence(pulsar::kProgram, seed, 12000);
}

TEST(RandomSequences, TwinwaveComposerFollowsTheRules)
{
    for (unsigned seed = 1; seed <= 4; ++seed)
        RunRandomSequence(twinwave::kProgram, seed, 12000);
}
