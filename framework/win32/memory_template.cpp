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

// An edit box with WS_EX_RIGHT shows its text aligned right. The system's edit box takes
// that from its own style: the extended style alone aligns text only in right-to-left
// languages.
std::uint32_t EditAlignment(const DialogItemTemplate& item)
{
    const bool edit = std::string_view(item.windowClass) == "EDIT";
    return edit && (item.exStyle & WS_EX_RIGHT) != 0 ? ES_RIGHT : 0;
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
        out.DoubleWord(item.exStyle);
        out.DoubleWord(item.style | EditAlignment(item));
        out.Rect(item.rect);
        out.DoubleWord(static_cast<std::uint32_t>(item.id));
        out.Text(item.windowClass);
        out.Text(item.caption);
        out.Word(0);  // no creation data
    }
    return std::move(out).Words();
}

}  // namespace detail
