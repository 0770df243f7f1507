#include "replay/decode.h"

#include "core/clicks_from_bytes.h"
#include "core/history_stack.h"
#include "replay/excerpt.h"

namespace {

std::string Reason(const BytesRefusal& refusal)
{
    // EnterBytes never refuses for want of bytes, a paste does; the default edge is the compiler's.
    switch (refusal.fault) {  // GCOVR_EXCL_BR_LINE
    case BytesFault::NoBytes: return "no bytes";  // GCOVR_EXCL_BR_LINE: as above
    case BytesFault::NoHexDigit: return "'" + Excerpt(refusal.found) + "' is no hex digit";
    case BytesFault::HalfByte: return "a byte needs two hex digits";
    case BytesFault::TooManyEntries: return "more than " + std::to_string(HistoryStack::kCapacity) + " entries";
    case BytesFault::EndsInsideEntry: return "the bytes end inside an entry";
    case BytesFault::EndMarkerRefused: return "the end marker 00 is refused here";
    case BytesFault::NoLengthByte: return "note " + refusal.found + " needs a length byte before it";
    case BytesFault::NoClickWrites: break;
    }
    return "no click writes " + refusal.found + " here";
}

}  // namespace

std::variant<std::string, DecodeError> DecodeToScript(const Program& program, int region, std::string_view hex)
{
    ComposerState state;
    SelectRegion(state, program.channel.Catalogue(), region);
    int radio = 0;  // where a fresh dialog's region change leaves the radio group
    state.fields.lengthIndex = radio;
    const std::variant<std::vector<ButtonClick>, BytesRefusal> entered = EnterBytes(program, state, hex);
    if (const auto* refusal = std::get_if<BytesRefusal>(&entered))
        return DecodeError{refusal->offset, Reason(*refusal)};

    std::string script = "region " + std::to_string(region) + "\n";
    for (const ButtonClick& click : std::get<std::vector<ButtonClick>>(entered)) {
        if (click.position != radio)
            script += "length " + std::to_string(click.position) + "\n";
        radio = click.position;
        script += "click " + std::to_string(click.controlId) + "  # " + ButtonName(program, click.controlId).value()
                  + "\n";
    }
    return script + "show\n";
}
