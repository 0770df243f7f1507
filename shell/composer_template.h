#pragma once

#include "core/duration_groups.h"
#include "core/program.h"
#include "framework/dialog_template.h"
#include "framework/window_styles.h"

#include <array>
#include <cstddef>
#include <span>

// What the composer dialogs' templates have in common: the dialog's style and font, the
// style of each kind of control, and the rows that every template is made of.

inline constexpr std::uint32_t kComposerDialogStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
static_assert(kComposerDialogStyle == 0x90C800C0);
// A task-bar button of its own.
inline constexpr std::uint32_t kComposerDialogExStyle = WS_EX_APPWINDOW;
inline constexpr DialogFont kComposerFont{"ＭＳ Ｐゴシック", 9};

inline constexpr std::uint32_t kControlStyle = WS_CHILD | WS_VISIBLE;
// The region list: a drop-down list, or with a text field that nothing reads. The field
// scrolls and takes any text: one that does not drops typed characters that do not fit, and
// Wine's crashes on a character typed into a label wider than the field.
inline constexpr std::uint32_t kRegionListStyle =
    kControlStyle | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP;
inline constexpr std::uint32_t kEditableRegionListStyle =
    kControlStyle | CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_SORT | WS_VSCROLL | WS_TABSTOP;
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

// Where a composer dialog's controls stand, in dialog units, and what the dialog shows
// that no description of the voice says.
// A program states what its dialog does not share with most others; the defaults are what
// they share.
struct ComposerLayout {
    const char* title;
    int width;
    int height;
    DialogRect regionList;
    bool editableRegionList = false;  // a text field that nothing reads
    DialogRect count;
    DialogRect separator;     // the "/" between count and budget
    DialogRect budget;
    // The eight duration boxes stand 12 units square on a 15-unit pitch from `lengthsX` at
    // `durationY`; each radio button 3 units in from its box's left edge, at `radioY`.
    int lengthsX = 6;
    int durationY = 24;
    int radioY = 36;
    DialogRect total;
    int keyWidth = 6;
    int keyHeight = 18;
    int whiteKeyY;
    int blackKeyY;
    DialogRect rest;
    DialogRect back;
    DialogRect end;
    const char* endCaption = "終";
    DialogRect output;
    bool keysBeforeButtons = false;  // keys, "休", "←", end; otherwise "←", end, keys, "休"
};

// Besides the keys: the region list, count, "/", budget, total, "休", "←", the end button
// and the output box, and a radio button and a duration box for each length.
inline constexpr std::size_t kControlsBesideKeys = 9 + 2 * kLengthPositions;

// The controls of a composer dialog in template order (which is also the tab order).
template <std::size_t N>
consteval std::array<DialogItemTemplate, kControlsBesideKeys + N> ComposerControls(const ComposerControlIds& ids,
                                                                                     const std::array<Key, N>& keys,
                                                                                     const ComposerLayout& layout)
{
    std::array<DialogItemTemplate, kControlsBesideKeys + N> rows{};
    std::size_t next = 0;
    const auto add = [&](const DialogItemTemplate& row) { rows[next++] = row; };
    const auto addKeys = [&] {
        for (const Key& key : keys) {
            const int y = key.row == KeyRow::White ? layout.whiteKeyY : layout.blackKeyY;
            add({"BUTTON", key.controlId, key.caption, {key.x, y, layout.keyWidth, layout.keyHeight}, kPushButtonStyle});
        }
    };
    const auto addButton = [&](int id, const char* caption, DialogRect rect) {
        add({"BUTTON", id, caption, rect, kPushButtonStyle});
    };

    add({"COMBOBOX", ids.regionList, "", layout.regionList,
         layout.editableRegionList ? kEditableRegionListStyle : kRegionListStyle});
    add({"EDIT", ids.count, "", layout.count, kNumberBoxStyle, kNumberBoxExStyle});
    add({"STATIC", -1, "/", layout.separator, kSeparatorStyle});
    add({"EDIT", ids.budget, "", layout.budget, kNumberBoxStyle, kNumberBoxExStyle});
    for (int i = 0; i < kLengthPositions; ++i) {
        const int x = layout.lengthsX + 15 * i;
        add({"BUTTON", ids.firstLength + i, "Radio1", {x + 3, layout.radioY, 9, 9},
             i == 0 ? kFirstLengthRadioStyle : kLengthRadioStyle});
        add({"EDIT", ids.firstDuration + i, "", {x, layout.durationY, 12, 12}, kNumberBoxStyle, kNumberBoxExStyle});
    }
    add({"EDIT", ids.total, "", layout.total, kNumberBoxStyle, kNumberBoxExStyle});
    if (layout.keysBeforeButtons) {
        addKeys();
        addButton(ids.rest, "休", layout.rest);
    }
    addButton(ids.back, "←", layout.back);
    addButton(ids.end, layout.endCaption, layout.end);
    if (!layout.keysBeforeButtons) {
        addKeys();
        addButton(ids.rest, "休", layout.rest);
    }
    add({"EDIT", ids.output, "", layout.output, kOutputBoxStyle});
    return rows;
}

// The template of a composer dialog with `controls` laid out by `layout`.
constexpr DialogTemplate ComposerTemplate(const ComposerLayout& layout, std::span<const DialogItemTemplate> controls)
{
    return {layout.title,          {0, 0, layout.width, layout.height}, kComposerDialogStyle, kComposerDialogExStyle,
            kComposerFont, controls};
}

// A program's template, made from its ids, keys and layout; its rows live as long as it does.
template <const ComposerControlIds& Ids, const auto& Keys, const ComposerLayout& Layout>
inline constexpr auto kComposerControls = ComposerControls(Ids, Keys, Layout);
template <const ComposerControlIds& Ids, const auto& Keys, const ComposerLayout& Layout>
inline constexpr DialogTemplate kComposerTemplate = ComposerTemplate(Layout, kComposerControls<Ids, Keys, Layout>);
