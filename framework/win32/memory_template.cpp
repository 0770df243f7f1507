#include "framework/win32/memory_template.h"

#include "framework/win32/text.h"

#include <string_view>

namespace detail {

namespace {

class TemplateWriter {
public:
    void Word(std::uint32_t value) { words_.push_back(static_cast<std::uint16_t>(value)); }
    void DoubleWord(std::uint32_t value)
    {
        Word(value & 0xFFFF);
        Word(value >> 16);
    }
    void Text(const char* text)
    {
        // Every template gives its texts.
        for (const wchar_t c : ToNative(text != nullptr ? text : ""))  // GCOVR_EXCL_BR_LINE
            Word(c);
        Word(0);
    }
    void Rect(const DialogRect& rect)
    {
        for (const int value : {rect.x, rect.y, rect.cx, rect.cy})
            Word(static_cast<std::uint16_t>(value));
    }
    void AlignToDoubleWord()
    {
        if (words_.size() % 2 != 0)
            Word(0);
    }
    std::vector<std::uint16_t> Words() && { return std::move(words_); }

private:
    std::vector<std::uint16_t> words_;
};

struct ItemStyles {
    std::uint32_t style;
    std::uint32_t exStyle;
};

// What the system's edit box takes from other styles than the template's. With WS_EX_RIGHT it
// shows its text aligned right: the box takes that from its own style, the extended style
// alone aligns text only in right-to-left languages. A read-only number box (one line) has a
// one-pixel edge: the dialog manager would make WS_BORDER a sunken edge of two pixels, with
// the text a pixel inside it, and three digits would not fit a box 15 dialog units wide.
ItemStyles SystemStyles(const DialogItemTemplate& item)
{
    ItemStyles styles{item.style, item.exStyle};
    if (std::string_view(item.windowClass) != "EDIT")
        return styles;
    if ((item.exStyle & WS_EX_RIGHT) != 0)
        styles.style |= ES_RIGHT;
    if ((item.style & (ES_READONLY | ES_MULTILINE | WS_BORDER)) == (ES_READONLY | WS_BORDER)) {
        styles.style &= ~static_cast<std::uint32_t>(WS_BORDER);
        styles.exStyle |= WS_EX_STATICEDGE;
    }
    return styles;
}

}  // namespace

std::vector<std::uint16_t> MemoryTemplate(const DialogTemplate& dialog)
{
    TemplateWriter out;
    out.Word(1);       // version
    out.Word(0xFFFF);  // the extended form
    out.DoubleWord(0);  // no help context
    out.DoubleWord(dialog.exStyle);
    out.DoubleWord(dialog.style);
    out.Word(static_cast<std::uint32_t>(dialog.items.size()));
    out.Rect(dialog.rect);
    out.Word(0);  // no menu
    out.Word(0);  // the dialog manager's own window class
    out.Text(dialog.title);
    out.Word(static_cast<std::uint32_t>(dialog.font.pointSize));
    out.Word(FW_DONTCARE);  // the face's normal weight
    out.Word(DEFAULT_CHARSET << 8);  // not italic
    out.Text(dialog.font.face);
    for (const DialogItemTemplate& item : dialog.items) {
        out.AlignToDoubleWord();
        out.DoubleWord(0);  // no help context
        const ItemStyles styles = SystemStyles(item);
        out.DoubleWord(styles.exStyle);
        out.DoubleWord(styles.style);
        out.Rect(item.rect);
        out.DoubleWord(static_cast<std::uint32_t>(item.id));
        out.Text(item.windowClass);
        out.Text(item.caption);
        out.Word(0);  // no creation data
    }
    return std::move(out).Words();
}

}  // namespace detail
