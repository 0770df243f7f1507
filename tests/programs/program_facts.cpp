#include "tests/programs/program_dialog.h"

#include <map>

namespace {

const std::map<std::string_view, ProgramFacts> kFacts = {
    {"rustle",
     {.firstDuration = {6, 24}, .firstLength = {9, 36}, .endCaption = "終", .editableList = true, .radioBeforeNumbers = false,
      .apart = {}, .noNoteKeys = {}, .noteBytes = false,
      .firstLabel = "7A08-7A10：スター・雲",
      .startShow = "region=0 count=0 budget=9 durations=2,4,6,8,12,18,24,36 total=0 length=0 output=",
      .otherRegion = 4, .otherLabel = "7DCA-7DD1：海",
      .otherShow = "region=4 count=0 budget=8 durations=4,8,12,16,24,32,48,64 total=0 length=0 output=",
      .names = {{1000, "song region"}, {1001, "byte count"}, {1003, "duration of length 1"}, {1015, "length 4"},
                {1011, "duration total"}, {1020, "short hiss noise"}, {1021, "knock noise"},
                {1022, "long hiss noise"}, {1023, "rest"}, {1024, "take back"}, {1025, "end marker"},
                {1026, "output bytes"}}}},
    {"pulsar",
     {.firstDuration = {6, 24}, .firstLength = {9, 36}, .endCaption = "変", .editableList = false, .radioBeforeNumbers = false,
      .apart = {1054, 180, "D"}, .noNoteKeys = {1027, 1051, 1053}, .noteBytes = false,
      .firstLabel = "79E2-79F5：スター・雲",
      .startShow = "region=0 count=0 budget=20 durations=2,4,6,8,12,18,24,36 total=0 length=0 output=",
      .otherRegion = 12, .otherLabel = "7C16-7C46：城",
      .otherShow = "region=12 count=0 budget=49 durations=2,5,10,20,30,40,60,80 total=0 length=0 output=",
      .names = {{1000, "song region"}, {1002, "byte budget"}, {1010, "duration of length 8"}, {1016, "length 4"},
                {1012, "duration total"}, {1022, "E 1"}, {1024, "F♯ 1"}, {1027, "no note"}, {1029, "B 1"},
                {1030, "C 2"}, {1054, "D 4"}, {1055, "rest"}, {1056, "take back"}, {1057, "end marker"},
                {1058, "output bytes"}}}},
    {"twinwave",
     {.firstDuration = {159, 6}, .firstLength = {162, 18}, .endCaption = "終", .editableList = false, .radioBeforeNumbers = true,
      .apart = {},
      .noNoteKeys = {1004, 1005, 1006, 1007, 1009, 1050, 1053, 1055, 1057, 1059, 1061}, .noteBytes = true,
      .firstLabel = "79C8-79E1：SQ2：スター・雲",
      .startShow = "region=0 count=0 budget=26 durations=2,4,6,8,12,18,24,36 total=0 length=0 output=",
      .otherRegion = 32, .otherLabel = "7D62-7DC9：SQ2：海",
      .otherShow = "region=32 count=0 budget=104 durations=4,8,12,16,24,32,48,64 total=0 length=0 output=",
      .names = {{1000, "song region"}, {1001, "byte count"}, {1064, "duration of length 1"}, {1075, "length 4"},
                {1080, "duration total"}, {1003, "G 1"}, {1004, "no note"}, {1042, "A♯ 4"}, {1062, "G 6"},
                {1063, "rest"}, {1081, "take back"}, {1083, "end marker"}, {1082, "output bytes"}}}},
};

}  // namespace

const ProgramFacts& FactsOf(const ProgramUnderTest& program)
{
    return kFacts.at(program.program().name);
}
