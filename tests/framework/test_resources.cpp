#include "framework/resources.h"
#include "tests/framework/test_dialog.h"

#include <array>
#include <cstddef>

// The test executable's resources: the test dialog, its variants with initialisation data
// that cannot be delivered, and an icon whose pictures say where they land.

namespace {

using namespace test_dialog;

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t kNumberBox = kChild | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr std::uint32_t kPushButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr std::uint32_t kOutputBox =
    kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | WS_TABSTOP;

constexpr DialogItemTemplate kTestItems[] = {
    {"COMBOBOX", IDC_LIST, "", {6, 6, 80, 60}, kChild | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP},
    {"COMBOBOX", IDC_TYPED_LIST, "", {90, 6, 80, 99}, kChild | CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP},
    {"EDIT", IDC_NUMBER, "", {6, 24, 20, 12}, kNumberBox, WS_EX_RIGHT},
    {"STATIC", -1, "/", {27, 27, 8, 8}, kChild | SS_LEFT | WS_GROUP},
    {"BUTTON", IDC_RADIO0, "Radio1", {9, 48, 9, 9}, kChild | BS_AUTORADIOBUTTON | WS_GROUP},
    {"EDIT", IDC_BOX0, "", {6, 36, 12, 12}, kNumberBox, WS_EX_RIGHT},
    {"BUTTON", IDC_RADIO0 + 1, "Radio1", {24, 48, 9, 9}, kChild | BS_AUTORADIOBUTTON},
    {"EDIT", IDC_BOX1, "", {21, 36, 12, 12}, kNumberBox, WS_EX_RIGHT},
    {"BUTTON", IDC_RADIO0 + 2, "Radio1", {39, 48, 9, 9}, kChild | BS_AUTORADIOBUTTON},
    {"BUTTON", IDC_BUTTON, "押す", {60, 36, 30, 14}, kPushButton},
    {"BUTTON", IDC_KEY0, "c", {95, 36, 12, 14}, kPushButton},
    {"BUTTON", IDC_KEY0 + 1, "d", {110, 36, 12, 14}, kPushButton},
    {"BUTTON", IDC_SILENT, "x", {125, 36, 12, 14}, kPushButton},
    {"EDIT", IDC_OUTPUT, "", {6, 60, 117, 30}, kOutputBox},
    {"BUTTON", IDC_OTHER0, "A", {140, 36, 9, 9}, kChild | BS_AUTORADIOBUTTON | WS_GROUP},
    {"BUTTON", IDC_OTHER0 + 1, "B", {155, 36, 9, 9}, kChild | BS_AUTORADIOBUTTON},
};

constexpr DialogTemplate kTestDialog{"テスト",
                                     {0, 0, 200, 100},
                                     WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                                     WS_EX_APPWINDOW,
                                     {"ＭＳ Ｐゴシック", 9},
                                     kTestItems};

constexpr DialogInitRecord kTestInit[] = {
    {IDC_LIST, DLGINIT_CB_ADDSTRING, "7DCA-7DD1：海"},
    {IDC_LIST, DLGINIT_CB_ADDSTRING, "7A08-7A10：スター・雲"},
    {IDC_LIST, DLGINIT_CB_ADDSTRING, "B000-B001：城"},
    {IDC_LIST, DLGINIT_CB_ADDSTRING, "7AC9-7AD1：地上a-b3"},
    {IDC_TYPED_LIST, DLGINIT_CB_ADDSTRING, "zeta"},
    {IDC_TYPED_LIST, DLGINIT_CB_ADDSTRING, "alpha"},
    {IDC_TYPED_LIST, DLGINIT_CB_ADDSTRING, "mu"},
};
constexpr DialogInitRecord kInitForEdit[] = {{IDC_LIST, DLGINIT_CB_ADDSTRING, "a"},
                                             {IDC_NUMBER, DLGINIT_CB_ADDSTRING, "b"}};
constexpr DialogInitRecord kInitForNothing[] = {{999, DLGINIT_CB_ADDSTRING, "a"}};
constexpr DialogInitRecord kInitUnknown[] = {{IDC_LIST, 0x0401, "a"}};

// An icon image of identical rows: the header, the colours, then `Rows` times `row`.
template <std::size_t Colours, std::size_t Rows>
constexpr std::array<const char*, 1 + Colours + Rows> Xpm(const char* header,
                                                          const std::array<const char*, Colours>& colours,
                                                          const char* row)
{
    std::array<const char*, 1 + Colours + Rows> lines{header};
    for (std::size_t i = 0; i < Colours; ++i)
        lines[1 + i] = colours[i];
    for (std::size_t i = 1 + Colours; i < lines.size(); ++i)
        lines[i] = row;
    return lines;
}

// 32 x 32: the left half red, the right half blue, so that where it lands can be read off
// two pixels. 16 x 16: green.
constexpr auto kIcon32 = Xpm<2, 32>("32 32 2 1", {"r c #FF0000", "b c #0000FF"}, "rrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbb");
constexpr auto kIcon16 = Xpm<1, 16>("16 16 1 1", {"g c #00FF00"}, "gggggggggggggggg");
constexpr IconImage kIconImages[] = {{kIcon32}, {kIcon16}};

constexpr DialogResource kDialogs[] = {
    {IDD_TEST, &kTestDialog},
    {IDD_INIT_FOR_EDIT, &kTestDialog},
    {IDD_INIT_FOR_NOTHING, &kTestDialog},
    {IDD_INIT_UNKNOWN, &kTestDialog},
};
constexpr DialogInitResource kDialogInits[] = {
    {IDD_TEST, kTestInit},
    {IDD_INIT_FOR_EDIT, kInitForEdit},
    {IDD_INIT_FOR_NOTHING, kInitForNothing},
    {IDD_INIT_UNKNOWN, kInitUnknown},
};
constexpr IconResource kIcons[] = {{128, kIconImages}};

constexpr ResourceTable kTestResources{kDialogs, kDialogInits, kIcons};

// Every test of the framework finds its dialogs and its icon here.
[[maybe_unused]] const bool kResourcesSet = (AfxSetResourceHandle(kTestResources), true);

}  // namespace
