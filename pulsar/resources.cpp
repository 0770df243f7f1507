// The square-wave-1 composer's resources: dialog 102 with its region list's initialisation
// data, icon 128, the version information and the names of its controls.
#include "pulsar/ids.h"
#include "pulsar/square1_channel.h"
#include "shell/composer_resources.h"
#include "shell/composer_template.h"
#include "shell/control_names.h"

namespace pulsar {
namespace {

#include "pulsar/icon.xpm"

constexpr DialogItemTemplate kControls[] = {
    {"COMBOBOX", IDC_REGION, "", {6, 6, 138, 99}, kRegionListStyle},
    {"EDIT", IDC_COUNT, "", {150, 6, 15, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"STATIC", -1, "/", {166, 9, 8, 8}, kSeparatorStyle},
    {"EDIT", IDC_BUDGET, "", {171, 6, 15, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0, "Radio1", {9, 36, 9, 9}, kFirstLengthRadioStyle},
    {"EDIT", IDC_LEN0, "", {6, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 1, "Radio1", {24, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 1, "", {21, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 2, "Radio1", {39, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 2, "", {36, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 3, "Radio1", {54, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 3, "", {51, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 4, "Radio1", {69, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 4, "", {66, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 5, "Radio1", {84, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 5, "", {81, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 6, "Radio1", {99, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 6, "", {96, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_LENSEL0 + 7, "Radio1", {114, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", IDC_LEN0 + 7, "", {111, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"EDIT", IDC_TOTAL, "", {129, 24, 21, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_BACK, "←", {156, 24, 12, 12}, kPushButtonStyle},
    {"BUTTON", IDC_END, "変", {174, 24, 12, 12}, kPushButtonStyle},
    {"BUTTON", 1022, "", {6, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1023, "", {15, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1024, "", {18, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1025, "", {24, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1026, "", {27, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1027, "x", {33, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1028, "", {36, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1029, "", {42, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1030, "c", {51, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1031, "", {54, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1032, "", {60, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1033, "", {63, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1034, "", {69, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1035, "", {78, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1036, "", {81, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1037, "", {87, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1038, "", {90, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1039, "", {96, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1040, "", {99, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1041, "", {105, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1042, "c", {114, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1043, "", {117, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1044, "", {123, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1045, "", {126, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1046, "", {132, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1047, "", {141, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1048, "", {144, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1049, "", {150, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1050, "", {153, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1051, "x", {159, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1052, "", {162, 45, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1053, "x", {168, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", 1054, "d", {180, 66, 6, 18}, kPushButtonStyle},
    {"BUTTON", IDC_REST, "休", {174, 48, 12, 12}, kPushButtonStyle},
    {"EDIT", IDC_OUTPUT, "", {6, 90, 180, 30}, kOutputBoxStyle},
};

constexpr DialogTemplate kDialog{
    "Orvo (Square Wave 1)", {0, 0, 191, 127}, kComposerDialogStyle, kComposerDialogExStyle, kComposerFont, kControls};
const std::array kControlNames = ComposerControlNames(
    {IDC_REGION, IDC_COUNT, IDC_BUDGET, IDC_LEN0, IDC_TOTAL, IDC_LENSEL0, IDC_REST, IDC_BACK, IDC_END, IDC_OUTPUT},
    KeyNames(kKeys));
const ComposerResources kResources({IDD_COMPOSER, IDC_REGION, IDI_COMPOSER}, kDialog, kRegions,
                                   pulsar_icon_32, pulsar_icon_16, "pulsar", kControlNames);

}  // namespace
}  // namespace pulsar

const ResourceTable kModuleResources = pulsar::kResources.Table();
