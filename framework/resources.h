#pragma once

#include "framework/dialog_template.h"

#include <span>
#include <string_view>

// What a program links into itself as resources: dialog templates, their initialisation
// data and the names of controls, each found by its id. Icons are each backend's, in the
// system's own format: the executable's icon resources on Windows, the toolkit's resource
// system elsewhere (under the module's name).

struct DialogResource {
    int id;
    const DialogTemplate* dialog;
};

struct DialogInitResource {
    int id;
    std::span<const DialogInitRecord> records;
};

// What screen readers and UI automation call a control of a dialog: a key's note, what an
// arrow or a radio button captioned "Radio1" stands for, what a number box shows.
struct ControlNameRecord {
    int controlId;
    const char* name;  // UTF-8
};

struct ControlNamesResource {
    int id;  // the dialog template's
    std::span<const ControlNameRecord> names;
};

struct ResourceTable {
    std::string_view module;  // the program's name
    std::span<const DialogResource> dialogs;
    std::span<const DialogInitResource> dialogInits;
    std::span<const ControlNamesResource> controlNames = {};
};

// The resources the framework looks things up in, as a module's resource section: a
// program sets its own before it opens a dialog; none are set at first.
void AfxSetResourceHandle(const ResourceTable& resources);
const ResourceTable& AfxGetResourceHandle();

const DialogTemplate* AfxFindDialogTemplate(int id);
std::span<const DialogInitRecord> AfxFindDialogInit(int id);  // empty when there is none
std::span<const ControlNameRecord> AfxFindControlNames(int dialogId);  // empty when there are none
