// The composers' worked examples as action scripts, run through the windowless model of
// composer-replay and through the real dialog: both show the same after every step, and
// what they show is what the example says.
#include "replay/dialog_model.h"
#include "replay/script.h"
#include "tests/programs/program_dialog.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Step {
    std::string actions;  // script actions, separated by ";"
    std::string shows;    // the end of the show line after them: total, radio and output
};

const std::map<std::string_view, std::vector<Step>> kExamples = {
    {"rustle", {{"region 1;length 0;click 1020", "total=3 length=0 output=50"},
                {"length 7;click 1023", "total=57 length=7 output=5004"},
                {"length 3;click 1022", "total=69 length=3 output=5004F1"},
                {"click 1025", "total=69 length=3 output=5004F100"},
                {"click 1024", "total=69 length=3 output=5004F1"},
                {"click 1024", "total=57 length=3 output=5004"}}},
    {"pulsar", {{"region 12;length 1;click 1030", "total=5 length=1 output=14"},
                {"length 0;click 1030", "total=7 length=0 output=14D5"},
                {"length 7;click 1055", "total=87 length=7 output=14D505"},
                {"click 1027", "total=87 length=7 output=14D505"},
                {"click 1057", "total=87 length=7 output=14D50500"},
                {"click 1056", "total=87 length=7 output=14D505"},
                // The key apart and the one left of it, at the longest and shortest lengths.
                {"region 0;region 12;length 1;click 1054;click 1052", "total=10 length=1 output=023E"},
                {"length 0;click 1054;click 1052", "total=14 length=0 output=023EC3FF"}}},
    {"twinwave", {{"click 1083", "total=0 length=0 output="},
                  {"length 0;click 1020", "total=2 length=0 output=8114"},
                  {"length 0;click 1022", "total=4 length=0 output=811418"},
                  {"length 3;click 1063", "total=12 length=3 output=8114188704"},
                  {"click 1083", "total=12 length=3 output=811418870400"},
                  {"length 3;click 1020", "total=20 length=3 output=8114188704008714"},
                  {"click 1081", "total=12 length=3 output=811418870400"},
                  {"click 1081", "total=12 length=3 output=8114188704"},
                  {"click 1081", "total=4 length=3 output=811418"},
                  {"click 1081", "total=2 length=3 output=8114"},
                  {"click 1081", "total=0 length=3 output="},
                  {"click 1081", "total=0 length=3 output="},
                  // A region tagged "TRI" alone refuses the end marker; one tagged "SQ2・TRI"
                  // takes two in a row.
                  {"region 1;length 0;click 1020", "total=2 length=0 output=8114"},
                  {"length 4;click 1083", "total=2 length=4 output=8114"},
                  {"region 31", "total=0 length=0 output="},
                  {"click 1020;click 1083;click 1083", "total=3 length=0 output=81140000"},
                  {"click 1081", "total=3 length=0 output=811400"},
                  // Note bytes out of the keyboard's order; taking back subtracts the entry's
                  // own duration.
                  {"region 2;length 7;click 1044;click 1041;click 1042", "total=162 length=7 output=8064403E"},
                  {"length 0;click 1081", "total=108 length=0 output=806440"}}},
};

TEST_P(ProgramDialog, TheModelAndTheDialogShowWhatTheWorkedExamplesSay)
{
    DialogModel model(GetParam().program());
    for (const Step& step : kExamples.at(GetParam().program().name)) {
        SCOPED_TRACE(step.actions);
        std::string actions = step.actions;
        std::ranges::replace(actions, ';', '\n');
        for (ComposerDriver* each : std::initializer_list<ComposerDriver*>{&model, driver.get()}) {
            std::istringstream script(actions);
            std::ostringstream errors;
            EXPECT_EQ(RunScript(script, errors, errors, *each), kScriptOk) << errors.str();
        }
        EXPECT_EQ(driver->Show(), model.Show());
        EXPECT_TRUE(driver->Show().ends_with(" " + step.shows)) << driver->Show();
    }
}

}  // namespace
