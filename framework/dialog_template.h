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

// Dialog initialisation data: strings the base dialog adds to its combo boxes before the
// first exchange, one record each, in order.
struct DialogInitRecord {
    int controlId;     // a combo box of the template
    const char* text;  // UTF-8
};
