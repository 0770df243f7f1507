#include "core/paste_message.h"

#include "core/history_stack.h"

std::string PasteRefusalMessage(const BytesRefusal& refusal)
{
    const std::string byte = std::to_string(refusal.offset + 1) + " バイト目";
    std::string reason;
    switch (refusal.fault) {  // GCOVR_EXCL_BR_LINE: the compiler's edge for a value no BytesFault has
    case BytesFault::NoBytes: reason = "貼り付けるバイトがありません"; break;
    case BytesFault::NoHexDigit: reason = byte + "に 16 進数でない文字があります"; break;
    case BytesFault::HalfByte: reason = byte + "が 2 桁の 16 進数になっていません"; break;
    case BytesFault::TooManyEntries: reason = std::to_string(HistoryStack::kCapacity) + " 項目を超えます"; break;
    case BytesFault::EndsInsideEntry: reason = byte + "がなく、項目の途中で終わっています"; break;
    case BytesFault::EndMarkerRefused: reason = byte + "の終わりの 00 はここでは書けません"; break;
    case BytesFault::NoLengthByte: reason = byte + "の音の前に長さのバイトがありません"; break;
    case BytesFault::NoClickWrites: reason = byte + "はこの領域では書けません"; break;
    }
    return "貼り付けできません：" + reason;
}
