// rustle, the noise composer: three noise sounds and no keyboard.
#include "rustle/composer_dlg.h"
#include "rustle/noise_channel.h"
#include "tests/desktop/desktop_facts.h"

const DesktopFacts& UnderTest()
{
    static const DesktopFacts facts{
        .name = "rustle",
        .program = rustle::kProgram,
        .open = [](ComposerState& state) -> std::unique_ptr<CDialog> {
            return std::make_unique<rustle::CComposerDlg>(nullptr, state);
        },
        .firstLength = 1012,
        .namedControls = {{1000, "song region"}, {1001, "byte count"}, {1002, "byte budget"},
                          {1003, "duration of length 1"}, {1010, "duration of length 8"},
                          {1011, "duration total"}, {1026, "output bytes"}},
        // 998 one-byte events; the regions' budgets reach 11; group 1 has the longest lengths.
        .largestNumbers = {{1001, 998}, {1002, 11}, {1003, 4}, {1004, 8}, {1005, 12}, {1006, 16},
                           {1007, 24}, {1008, 32}, {1009, 48}, {1010, 64}, {1011, 998 * 64}},
        .captionMeanings = {{"チ", "short hiss noise"}, {"コッ", "knock noise"}, {"チー", "long hiss noise"},
                            {"休", "rest"}, {"←", "take back"}, {"終", "end marker"}},
        .lowestWhite = "",
        .keysApart = {},
        .pressedByName = {"knock noise", "length 6", "short hiss noise", "end marker", "take back",
                          "long hiss noise", "rest"},
    };
    return facts;
}
