#include "framework/resources.h"
#include "rustle/ids.h"
#include "rustle/noise_channel.h"
#include "shell/composer_resources.h"
#include "shell/composer_template.h"
#include "tests/framework/test_dialog.h"

#include <array>

// The test executable's resources: the framework's test dialog and its broken variants,
// and a small composer dialog on the noise voice with the shell's common properties.

namespace {

using namespace test_dialog;

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t kNumberBox = kChild | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr std::uint32_t kPushButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr std::uint32_t kOutputBox =
    kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | WS_TABSTOP;

constexpr DialogItemTemplate kTestItems[] = {
    {"COMBOBOX", IDC_LIST, "", {6, 6, 80, 60}, kChild | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP},
    {"ComboBox", IDC_TYPED_LIST, "", {90, 6, 80, 99}, kChild | CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP},
    {"EDIT", IDC_NUMBER, "", {6, 24, 20, 12}, kNumberBox, WS_EX_RIGHT},
    {"STATIC", -1, "/", {27, 27, 8, 8}, kChild | SS_LEFT | WS_GROUP},
    {"BUTTON", IDC_RADIO0, "Radio1", {9, 48, 9, 9}, kChild | BS_AUTORADIOBUTTON | WS_GROUP},
    {"EDIT", IDC_BOX0, "", {6, 36, 12, 12}, kNumberBox, WS_EX_RIGHT},
    {"BUTTON", IDC_RADIO0 + 1, "Radio1", {24, 48, 9, 9}, kChild | BS_AUTORADIOBUTTON},
    {"EDIT", IDC_BOX1, "", {21, 36, 12, 12}, kNumberBox, WS_EX_RIGHT},
    {"BUTTON", IDC_RADIO0 + 2, "Radio1", {39, 48, 9, 9}, kChild | BS_AUTORADIOBUTTON},
    {"BUTTON", IDC_BUTTON, "押す", {60, 36, 30, 14}, kPushButton},
    {"BUTTON", IDC_SILENT, "x", {95, 36, 30, 14}, kPushButton},
    {"EDIT", IDC_OUTPUT, "", {6, 60, 117, 30}, kOutputBox},
    {"BUTTON", IDC_OTHER0, "A", {130, 36, 9, 9}, kChild | BS_AUTORADIOBUTTON | WS_GROUP},
    {"BUTTON", IDC_OTHER0 + 1, "B", {145, 36, 9, 9}, kChild | BS_AUTORADIOBUTTON},
};

constexpr DialogItemTemplate kUnsupportedItems[] = {
    {"LISTBOX", 400, "", {6, 6, 80, 60}, kChild | WS_TABSTOP},
};

constexpr std::uint32_t kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DialogFont kFont{"ＭＳ Ｐゴシック", 9};

constexpr DialogTemplate kTestDialog{"テスト", {0, 0, 200, 100}, kDialogStyle, WS_EX_APPWINDOW, kFont, kTestItems};
constexpr DialogTemplate kUnsupportedDialog{"x", {0, 0, 100, 80}, kDialogStyle, 0, kFont, kUnsupportedItems};

constexpr DialogInitRecord kTestInit[] = {
    {IDC_LIST, DLGINIT_CB_ADDSTRING, "7DCA-7DD1：海"},
    {IDC_LIST, DLGINIT_CB_ADDSTRING, "7A08-7A10：スター・雲"},
    {IDC_LIST, DLGINIT_CB_ADDSTRING, "B000-B001：城"},
    {IDC_LIST, DLGINIT_CB_ADDSTRING, "7AC9-7AD1：地上a-b3"},
    {IDC_TYPED_LIST, DLGINIT_CB_ADDSTRING, "zeta"},
    {IDC_TYPED_LIST, DLGINIT_CB_ADDSTRING, "alpha"},
    {IDC_TYPED_LIST, DLGINIT_CB_ADDSTRING, "mu"},
};

constexpr DialogInitRecord kBadInit[] = {
    {IDC_LIST, DLGINIT_CB_ADDSTRING, "first"},
    {IDC_NUMBER, DLGINIT_CB_ADDSTRING, "not a list"},
};

// The composer dialog: region list, count "/" budget, duration boxes with the radio
// buttons between them, total, four buttons, output box.
constexpr DialogItemTemplate kComposerItems[] = {
    {"COMBOBOX", rustle::IDC_REGION, "", {6, 6, 84, 60}, kEditableRegionListStyle},
    {"EDIT", rustle::IDC_COUNT, "", {93, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"STATIC", -1, "/", {106, 9, 8, 8}, kSeparatorStyle},
    {"EDIT", rustle::IDC_BUDGET, "", {111, 6, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", rustle::IDC_LENSEL0 + 0, "Radio1", {9, 36, 9, 9}, kFirstLengthRadioStyle},
    {"EDIT", rustle::IDC_LEN0 + 0, "", {6, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", rustle::IDC_LENSEL0 + 1, "Radio1", {24, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", rustle::IDC_LEN0 + 1, "", {21, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", rustle::IDC_LENSEL0 + 2, "Radio1", {39, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", rustle::IDC_LEN0 + 2, "", {36, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", rustle::IDC_LENSEL0 + 3, "Radio1", {54, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", rustle::IDC_LEN0 + 3, "", {51, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", rustle::IDC_LENSEL0 + 4, "Radio1", {69, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", rustle::IDC_LEN0 + 4, "", {66, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", rustle::IDC_LENSEL0 + 5, "Radio1", {84, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", rustle::IDC_LEN0 + 5, "", {81, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", rustle::IDC_LENSEL0 + 6, "Radio1", {99, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", rustle::IDC_LEN0 + 6, "", {96, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", rustle::IDC_LENSEL0 + 7, "Radio1", {114, 36, 9, 9}, kLengthRadioStyle},
    {"EDIT", rustle::IDC_LEN0 + 7, "", {111, 24, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"EDIT", rustle::IDC_TOTAL, "", {6, 48, 18, 12}, kNumberBoxStyle, kNumberBoxExStyle},
    {"BUTTON", rustle::IDC_NOISE1, "チ", {27, 48, 15, 12}, kPushButtonStyle},
    {"BUTTON", rustle::IDC_REST, "休", {81, 48, 12, 12}, kPushButtonStyle},
    {"BUTTON", rustle::IDC_BACK, "←", {96, 48, 12, 12}, kPushButtonStyle},
    {"BUTTON", rustle::IDC_END, "終", {111, 48, 12, 12}, kPushButtonStyle},
    {"EDIT", rustle::IDC_OUTPUT, "", {6, 66, 117, 30}, kOutputBoxStyle},
};

constexpr DialogTemplate kComposerDialog{
    "Orvo (Test)", {0, 0, 129, 103}, kComposerDialogStyle, kComposerDialogExStyle, kComposerFont, kComposerItems};

const std::array kComposerInit = RegionListInit(rustle::IDC_REGION, rustle::kRegions);

// Left half red, right half blue, so that where it lands can be read off two pixels.
constexpr const char* kIcon32[] = {
    "32 32 2 1",
    "r c #FF0000",
    "b c #0000FF",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb",
    "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb"
};

constexpr const char* kIcon16[] = {
    "16 16 1 1",
    "g c #00FF00",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg"
};

constexpr IconImage kIconImages[] = {{kIcon32}, {kIcon16}};

constexpr DialogResource kDialogs[] = {
    {IDD_TEST, &kTestDialog},
    {IDD_BAD_INIT, &kTestDialog},
    {IDD_UNSUPPORTED, &kUnsupportedDialog},
    {rustle::IDD_COMPOSER, &kComposerDialog},
};

const DialogInitResource kDialogInits[] = {
    {IDD_TEST, kTestInit},
    {IDD_BAD_INIT, kBadInit},
    {rustle::IDD_COMPOSER, kComposerInit},
};

constexpr IconResource kIcons[] = {{rustle::IDI_COMPOSER, kIconImages}};

constexpr VersionInfo kVersion = ComposerVersionInfo("testcomposer");

}  // namespace

extern const ResourceTable kModuleResources{kDialogs, kDialogInits, kIcons, &kVersion};
