// twinwave, the square-wave-2 and triangle composer: a keyboard from G to G.
#include "tests/desktop/desktop_facts.h"
#include "twinwave/composer_dlg.h"
#include "twinwave/square2_triangle.h"

const DesktopFacts& UnderTest()
{
    static const DesktopFacts facts{
        .name = "twinwave",
        .program = twinwave::kProgram,
        .open = [](ComposerState& state) -> std::unique_ptr<CDialog> {
            return std::make_unique<twinwave::CComposerDlg>(nullptr, state);
        },
        .firstLength = 1072,
        .namedControls = {{1000, "song region"}, {1001, "byte count"}, {1002, "byte budget"},
                          {1064, "duration of length 1"}, {1071, "duration of length 8"},
                          {1080, "duration total"}, {1082, "output bytes"}},
        // 998 events of two bytes each when every one changes the length; the sea's budget of
        // 104; group 0's 80 is the longest length.
        .largestNumbers = {{1001, 998 * 2}, {1002, 104}, {1064, 4}, {1065, 8}, {1066, 12}, {1067, 20},
                           {1068, 30}, {1069, 40}, {1070, 60}, {1071, 80}, {1080, 998 * 80}},
        .captionMeanings = {{"休", "rest"}, {"←", "take back"}, {"終", "end marker"}},
        .lowestWhite = "G",
        .keysApart = {},
        .pressedByName = {"G", "length 3", "A♯", "D♯", "end marker", "no note", "take back", "rest"},
    };
    return facts;
}
