#pragma once

#include "framework/win_constants.h"

// Message maps: static tables that route window messages and control notifications to
// member functions, searched from the most derived class's table toward its bases'.

class CCmdTarget;

using AFX_PMSG = void (CCmdTarget::*)();
using AFX_PMSG_CURSOR = HCURSOR (CCmdTarget::*)();
using AFX_PMSG_RANGE = void (CCmdTarget::*)(UINT);

// The handler's signature.
enum class AfxSig : unsigned char {
    End,     // ends a table
    Void,    // void handler()
    Cursor,  // HCURSOR handler()
    Range,   // void handler(UINT id), for the ids id..lastId
};

struct AFX_MSGMAP_ENTRY {
    UINT message;  // WM_COMMAND for commands and control notifications
    int code;      // the notification code; BN_CLICKED is also a plain command
    int id;        // the control or command id; 0 for other messages
    int lastId;    // the last id of a range; id itself otherwise
    AfxSig sig;
    AFX_PMSG handler;
    AFX_PMSG_CURSOR cursorHandler;
    AFX_PMSG_RANGE rangeHandler;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*baseMap)();  // nullptr for the root
    const AFX_MSGMAP_ENTRY* entries;
};

// Whatever can receive commands through a message map.
class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget();

    // Runs the handler for command or notification `code` from `id`, if the map has one.
    virtual BOOL OnCmdMsg(int id, int code);
    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, int code, int id) const;
    void CallVoidHandler(const AFX_MSGMAP_ENTRY& entry);
};

#define DECLARE_MESSAGE_MAP()                         \
protected:                                            \
    static const AFX_MSGMAP* GetThisMessageMap();     \
    const AFX_MSGMAP* GetMessageMap() const override;

#define AFX_MESSAGE_MAP_OPEN(theClass, baseClass)                 \
    {                                                             \
        using ThisClass [[maybe_unused]] = theClass;              \
        using TheBaseClass = baseClass;                           \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }       \
    const AFX_MSGMAP* theClass::GetThisMessageMap() AFX_MESSAGE_MAP_OPEN(theClass, baseClass)

// The map of a class template with one parameter, `param` of kind `paramKind`
// (`typename`, or a value's type such as `const Program&`).
#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, paramKind, param, baseClass)                 \
    template <paramKind param>                                                            \
    const AFX_MSGMAP* theClass<param>::GetMessageMap() const                              \
    {                                                                                     \
        return GetThisMessageMap();                                                       \
    }                                                                                     \
    template <paramKind param>                                                            \
    const AFX_MSGMAP* theClass<param>::GetThisMessageMap()                                \
        AFX_MESSAGE_MAP_OPEN(theClass<param>, baseClass)

#define END_MESSAGE_MAP()                                                          \
            {0, 0, 0, 0, AfxSig::End, nullptr, nullptr, nullptr}                   \
        };                                                                         \
        static const AFX_MSGMAP messageMap{&TheBaseClass::GetThisMessageMap, messageEntries}; \
        return &messageMap;                                                        \
    }

#define ON_WM_PAINT() \
    {WM_PAINT, 0, 0, 0, AfxSig::Void, static_cast<AFX_PMSG>(&ThisClass::OnPaint), nullptr, nullptr},

#define ON_WM_QUERYDRAGICON()                                                  \
    {WM_QUERYDRAGICON, 0, 0, 0, AfxSig::Cursor, nullptr,                       \
     static_cast<AFX_PMSG_CURSOR>(&ThisClass::OnQueryDragIcon), nullptr},

// Notification `code` from control `id`.
#define ON_CONTROL(code, id, memberFxn)                                                  \
    {WM_COMMAND, (code), (id), (id), AfxSig::Void, static_cast<AFX_PMSG>(&ThisClass::memberFxn), \
     nullptr, nullptr},

#define ON_COMMAND(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

// A click is the button's command.
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)

// Notification `code` from any of the controls `firstId`..`lastId`; the handler takes the
// control's id.
#define ON_CONTROL_RANGE(code, firstId, lastId, memberFxn)                       \
    {WM_COMMAND, (code), (firstId), (lastId), AfxSig::Range, nullptr, nullptr,   \
     static_cast<AFX_PMSG_RANGE>(&ThisClass::memberFxn)},
