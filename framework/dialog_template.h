#pragma once

#include <cstdint>
#include <span>

// A dialog as constant data, laid out like an extended dialog template: the window's
// properties, its font, then every control in template order (the order of creation and
// of the Tab key). Positions and sizes are in dialog units of the dialog's font.

struct DialogRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// The normal weight, not italic.
struct DialogFont {
    const char* face;  // UTF-8
    int pointSize;
};

struct DialogItemTemplate {
    const char* windowClass;  // "BUTTON", "EDIT", "STATIC" or "COMBOBOX"
    int id;                   // -1 for a control that no code addresses
    const char* caption;      // UTF-8
    DialogRect rect;
    std::uint32_t style;
    std::uint32_t exStyle = 0;
};

struct DialogTemplate {
    const char* title;  // UTF-8
    DialogRect rect;
    std::uint32_t style;
    std::uint32_t exStyle;
    DialogFont font;
    std::span<const DialogItemTemplate> items;
};

// Dialog initialisation data: messages the base dialog sends to its controls before the
// first exchange, one record each, in order.
struct DialogInitRecord {
    int controlId;
    std::uint16_t message;
    const char* text;  // UTF-8
};

// The initialisation data's code for adding a string to a combo box.
inline constexpr std::uint16_t DLGINIT_CB_ADDSTRING = 0x0403;
