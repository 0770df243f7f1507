// The noise composer's resources: dialog 102 with its region list's initialisation data,
// icon 128, the version information and the names of its controls.
#include "rustle/ids.h"
#include "rustle/noise_channel.h"
#include "shell/composer_resources.h"
#include "shell/composer_template.h"
#include "shell/control_names.h"

namespace rustle {
namespace {

#include "rustle/icon.xpm"

constexpr DialogItemTemplate kControls[] = {
    {"COMBOBOX", IDC_REGION, "", {6, 6, 84, 60}, kEditableRegionListStyle},
    {"EDIT", IDC_COUNT, "", {93, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"STATIC", -1, "/", {106, 9, 8, 8}, kSeparatorStyle},
    {"EDIT", IDC_BUDGET, "", {111, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
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
    {"EDIT", IDC_TOTAL, "", {6, 48, 18, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", IDC_NOISE1, "チ", {27, 48, 15, 12}, kPushButtonStyle},
    {"BUTTON", IDC_NOISE2, "コッ", {45, 48, 15, 12}, kPushButtonStyle},
    {"BUTTON", IDC_NOISE3, "チー", {63, 48, 15, 12}, kPushButtonStyle},
    {"BUTTON", IDC_REST, "休", {81, 48, 12, 12}, kPushButtonStyle},
    {"BUTTON", IDC_BACK, "←", {96, 48, 12, 12}, kPushButtonStyle},
    {"BUTTON", IDC_END, "終", {111, 48, 12, 12}, kPushButtonStyle},
    {"EDIT", IDC_OUTPUT, "", {6, 66, 117, 30}, kOutputBoxStyle},
};

constexpr DialogTemplate kDialog{
    "Orvo (Noise)", {0, 0, 129, 103}, kComposerDialogStyle, kComposerDialogExStyle, kComposerFont, kControls};
const std::array<ControlNameRecord, 3> kSoundNames = {{
    {IDC_NOISE1, "short hiss noise"},
    {IDC_NOISE2, "knock noise"},
    {IDC_NOISE3, "long hiss noise"},
}};
const std::array kControlNames = ComposerControlNames(
    {IDC_REGION, IDC_COUNT, IDC_BUDGET, IDC_LEN0, IDC_TOTAL, IDC_LENSEL0, IDC_REST, IDC_BACK, IDC_END, IDC_OUTPUT},
    kSoundNames);
const ComposerResources kResources({IDD_COMPOSER, IDC_REGION, IDI_COMPOSER}, kDialog, kRegions,
                                   rustle_icon_32, rustle_icon_16, "rustle", kControlNames);

}  // namespace
}  // namespace rustle

const ResourceTable kModuleResources = rustle::kResources.Table();
