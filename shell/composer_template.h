#pragma once

#include "core/duration_groups.h"
#include "core/program.h"
#include "framework/dialog_template.h"
#include "framework/window_styles.h"

#include <array>
#include <cstddef>
#include <type_traits>

// What the composer dialogs' templates have in common: the dialog's style and font, the
// style of each kind of control, and the rows that every template is made of.

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

// The template's rows, each kind of control with its style.

constexpr DialogItemTemplate RegionList(int id, DialogRect rect, bool editable = false)
{
    return {"COMBOBOX", id, "", rect, editable ? kEditableRegionListStyle : kRegionListStyle};
}

constexpr DialogItemTemplate NumberBox(int id, DialogRect rect)
{
    return {"EDIT", id, "", rect, kNumberBoxStyle, kNumberBoxExStyle};
}

constexpr DialogItemTemplate Separator(DialogRect rect)
{
    return {"STATIC", -1, "/", rect, kSeparatorStyle};
}

constexpr DialogItemTemplate PushButton(int id, const char* caption, DialogRect rect)
{
    return {"BUTTON", id, caption, rect, kPushButtonStyle};
}

constexpr DialogItemTemplate OutputBox(int id, DialogRect rect)
{
    return {"EDIT", id, "", rect, kOutputBoxStyle};
}

// The eight radio buttons of the note lengths, each followed by its duration box: the boxes
// 12 units square on a 15-unit pitch from `x` at `boxY`, each radio button 3 units in from
// its box's left edge at `radioY`.
consteval std::array<DialogItemTemplate, 16> LengthRows(const ComposerControlIds& ids, int x, int boxY, int radioY)
{
    std::array<DialogItemTemplate, 16> rows{};
    for (int i = 0; i < kLengthPositions; ++i) {
        const int left = x + 15 * i;
        rows[static_cast<std::size_t>(2 * i)] = {"BUTTON", ids.firstLength + i, "Radio1", {left + 3, radioY, 9, 9},
                                                 i == 0 ? kFirstLengthRadioStyle : kLengthRadioStyle};
        rows[static_cast<std::size_t>(2 * i + 1)] = NumberBox(ids.firstDuration + i, {left, boxY, 12, 12});
    }
    return rows;
}

// The size of a program's key buttons and the top of each row.
struct KeyShape {
    int width;
    int height;
    int whiteY;
    int blackY;
};

template <std::size_t N>
consteval std::array<DialogItemTemplate, N> KeyRows(const std::array<Key, N>& keys, KeyShape shape)
{
    std::array<DialogItemTemplate, N> rows{};
    for (std::size_t i = 0; i < N; ++i) {
        const Key& key = keys[i];
        const int y = key.row == KeyRow::White ? shape.whiteY : shape.blackY;
        rows[i] = PushButton(key.controlId, key.caption, {key.x, y, shape.width, shape.height});
    }
    return rows;
}

template <class Part>
inline constexpr std::size_t kRowCount = 1;
template <std::size_t N>
inline constexpr std::size_t kRowCount<std::array<DialogItemTemplate, N>> = N;

// A template's controls in order, from single rows and runs of rows.
template <class... Parts>
consteval std::array<DialogItemTemplate, (kRowCount<Parts> + ...)> Controls(const Parts&... parts)
{
    std::array<DialogItemTemplate, (kRowCount<Parts> + ...)> rows{};
    std::size_t next = 0;
    const auto append = [&](const auto& part) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(part)>, DialogItemTemplate>)
            rows[next++] = part;
        else
            for (const DialogItemTemplate& row : part)
                rows[next++] = row;
    };
    (append(parts), ...);
    return rows;
}
