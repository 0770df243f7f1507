#include "framework/message_map.h"

CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, std::monostate{}}};
    static const AFX_MSGMAP messageMap{nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, int code, int id) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->baseMap != nullptr ? map->baseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->entries; !std::holds_alternative<std::monostate>(entry->handler);
             ++entry) {
            if (entry->message == message && entry->code == code && entry->id <= id && id <= entry->lastId)
                return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(int id, int code)
{
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, code, id);
    if (entry == nullptr)
        return FALSE;
    if (const auto* handler = std::get_if<AFX_PMSG>(&entry->handler))
        (this->*(*handler))();
    // The macros give a command one of these two handlers; none of the ranges' is virtual.
    else if (const auto* rangeHandler = std::get_if<AFX_PMSG_ID>(&entry->handler))  // GCOVR_EXCL_BR_LINE
        (this->*(*rangeHandler))(static_cast<UINT>(id));  // GCOVR_EXCL_BR_LINE: no range handler is virtual
    return TRUE;
}
