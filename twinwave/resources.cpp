// The square-wave-2 and triangle composer's resources: dialog 102 with its region list's
// initialisation data, icon 128, the version information and the names of its controls.
#include "twinwave/ids.h"
#include "twinwave/square2_triangle.h"
#include "shell/composer_resources.h"
#include "shell/composer_template.h"
#include "shell/control_names.h"

namespace twinwave {
namespace {

#include "twinwave/icon.xpm"

constexpr DialogItemTemplate kControls[] = {
    {"COMBOBOX", IDC_REGION, "", {6, 6, 111, 99}, kRegionListStyle},
    {"EDIT", IDC_COUNT, "", {120, 6, 15, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"STATIC", -1, "/", {136, 9, 8, 9}, kSeparatorStyle},
    {"EDIT", IDC_BUDGET, "", {141, 6, 15, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0, "Radio1", {162, 18, 9, 9}, kFirstLengthRadioStyle},
    {"EDIT", IDC_LEN0, "", {159, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 1, "Radio1", {177, 18, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 1, "", {174, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 2, "Radio1", {192, 18, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 2, "", {189, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 3, "Radio1", {207, 18, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 3, "", {204, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 4, "Radio1", {222, 18, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 4, "", {219, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 5, "Radio1", {237, 18, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 5, "", {234, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 6, "Radio1", {252, 18, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 6, "", {249, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 7, "Radio1", {267, 18, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 7, "", {264, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"EDIT", IDC_TOTAL, "", {279, 6, 18, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_BACK, "←", {300, 6, 12, 12}, kPushButtonStyle},
    {"BUTTON", IDC_END, "終", {315, 6, 12, 12}, kPushButtonStyle},
    {"BUTTON", 1003, "", {6, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1004, "x", {9, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1005, "x", {15, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1006, "x", {18, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1007, "x", {24, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1008, "c", {33, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1009, "x", {36, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1010, "", {42, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1011, "", {45, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1012, "", {51, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1013, "", {60, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1014, "", {63, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1015, "", {69, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1016, "", {72, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1017, "", {78, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1018, "", {81, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1019, "", {87, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1020, "c", {96, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1021, "", {99, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1022, "", {105, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1023, "", {108, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1024, "", {114, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1025, "", {123, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1026, "", {126, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1027, "", {132, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1028, "", {135, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1029, "", {141, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1030, "", {144, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1031, "", {150, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1032, "c", {159, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1033, "", {162, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1034, "", {168, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1035, "", {171, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1036, "", {177, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1037, "", {186, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1038, "", {189, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1039, "", {195, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1040, "", {198, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1041, "", {204, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1042, "", {207, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1043, "", {213, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1044, "c", {222, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1045, "", {225, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1046, "", {231, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1047, "", {234, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1048, "", {240, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1049, "", {249, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1050, "x", {252, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1051, "", {258, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1052, "", {261, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1053, "x", {267, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1054, "", {270, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1055, "x", {276, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1056, "c", {285, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1057, "x", {288, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1058, "", {294, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1059, "x", {297, 27, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1060, "", {303, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1061, "x", {312, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1062, "", {321, 48, 6, 18}, kPushButtonStyle},
    {"BUTTON", IDC_REST, "休", {309, 30, 12, 12}, kPushButtonStyle},
    {"EDIT", IDC_OUTPUT, "", {6, 72, 321, 30}, kOutputBoxStyle},
};

constexpr DialogTemplate kDialog{
    "Orvo (Square Wave 2 & Triangle Wave)", {0, 0, 333, 109}, kComposerDialogStyle, kComposerDialogExStyle, kComposerFont, kControls};
const std::array kControlNames = ComposerControlNames(
    {IDC_REGION, IDC_COUNT, IDC_BUDGET, IDC_LEN0, IDC_TOTAL, IDC_LENSEL0, IDC_REST, IDC_BACK, IDC_END, IDC_OUTPUT},
    KeyNames(kNoteKeys));
const ComposerResources kResources({IDD_COMPOSER, IDC_REGION, IDI_COMPOSER}, kDialog, kRegions,
                                   twinwave_icon_32, twinwave_icon_16, "twinwave", kControlNames);

}  // namespace
}  // namespace twinwave

const ResourceTable kModuleResources = twinwave::kResources.Table();
