#include "framework/message_map.h"

CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig::End, nullptr, nullptr, nullptr}};
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
        for (const AFX_MSGMAP_ENTRY* entry = map->entries; entry->sig != AfxSig::End; ++entry) {
            if (entry->message == message && entry->code == code && entry->id <= id && id <= entry->lastId)
                return entry;
        }
    }
    return nullptr;
}

void CCmdTarget::CallVoidHandler(const AFX_MSGMAP_ENTRY& entry)
{
    (this->*entry.handler)();
}

BOOL CCmdTarget::OnCmdMsg(int id, int code)
{
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, code, id);
    if (entry == nullptr)
        return FALSE;
    if (entry->sig == AfxSig::Range)
        (this->*entry->rangeHandler)(static_cast<UINT>(id));
    else if (entry->sig == AfxSig::Void)
        CallVoidHandler(*entry);
    else
        return FALSE;
    return TRUE;
}
