// pulsar, the square-wave-1 composer: a keyboard from E, with a lone D key at its right.
#include "pulsar/composer_dlg.h"
#include "pulsar/square1_channel.h"
#include "tests/desktop/desktop_facts.h"

const DesktopFacts& UnderTest()
{
    static const DesktopFacts facts{
        .name = "pulsar",
        .program = pulsar::kProgram,
        .open = [](ComposerState& state) -> std::unique_ptr<CDialog> {
            return std::make_unique<pulsar::CComposerDlg>(nullptr, state);
        },
        .firstLength = 1013,
        .namedControls = {{1000, "song region"}, {1001, "byte count"}, {1002, "byte budget"},
                          {1003, "duration of length 1"}, {1010, "duration of length 8"},
                          {1012, "duration total"}, {1058, "output bytes"}},
        // 998 one-byte events; the castle's budget of 49; group 0's 80 is the longest length.
        .largestNumbers = {{1001, 998}, {1002, 49}, {1003, 4}, {1004, 8}, {1005, 12}, {1006, 20},
                           {1007, 30}, {1008, 40}, {1009, 60}, {1010, 80}, {1012, 998 * 80}},
        .captionMeanings = {{"休", "rest"}, {"←", "take back"}, {"変", "end marker"}},
        .lowestWhite = "E",
        .keysApart = {{1054, "D"}},
        .pressedByName = {"C", "length 4", "F♯", "D", "end marker", "take back", "no note", "rest"},
    };
    return facts;
}
