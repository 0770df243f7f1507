#pragma once

#include "framework/dialog_template.h"
#include "framework/window_styles.h"

// What the composer dialogs' templates have in common: the dialog's style and font, and
// the style of each kind of control.

inline constexpr std::uint32_t kComposerDialogStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
static_assert(kComposerDialogStyle == 0x90C800C0);
// A task-bar button of its own.
inline constexpr std::uint32_t kComposerDialogExStyle = WS_EX_APPWINDOW;
inline constexpr DialogFont kComposerFont{"ＭＳ Ｐゴシック", 9};

inline constexpr std::uint32_t kControlStyle = WS_CHILD | WS_VISIBLE;
// The region list: a drop-down list, or with a text field that nothing reads.
inline constexpr std::uint32_t kRegionListStyle =
    kControlStyle | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP;
inline constexpr std::uint32_t kEditableRegionListStyle =
    kControlStyle | CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP;
// Count, budget, durations and total.
inline constexpr std::uint32_t kNumberBoxStyle =
    kControlStyle | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
inline constexpr std::uint32_t kNumberBoxExStyle = WS_EX_RIGHT;
// No ES_AUTOHSCROLL: the text wraps.
inline constexpr std::uint32_t kOutputBoxStyle = kControlStyle | ES_MULTILINE | ES_AUTOVSCROLL |
                                                 ES_READONLY | ES_WANTRETURN | WS_VSCROLL |
                                                 WS_BORDER | WS_TABSTOP;
// The length radio group starts at its first button and runs to the template's end.
inline constexpr std::uint32_t kFirstLengthRadioStyle = kControlStyle | BS_AUTORADIOBUTTON | WS_GROUP;
inline constexpr std::uint32_t kLengthRadioStyle = kControlStyle | BS_AUTORADIOBUTTON;
inline constexpr std::uint32_t kPushButtonStyle = kControlStyle | BS_PUSHBUTTON | WS_TABSTOP;
// The "/" between count and budget.
inline constexpr std::uint32_t kSeparatorStyle = kControlStyle | SS_LEFT | WS_GROUP;
