#pragma once

#include "framework/dialog_template.h"

#include <span>

// What a program links into itself as resources: dialog templates, their initialisation
// data, icons and the names of controls, each found by its id.

struct DialogResource {
    int id;
    const DialogTemplate* dialog;
};

struct DialogInitResource {
    int id;
    std::span<const DialogInitRecord> records;
};

// One image of an icon as XPM text: a header line "<width> <height> <colours> 1", the
// colour lines, then one line per row of pixels.
struct IconImage {
    std::span<const char* const> xpm;
};

struct IconResource {
    int id;
    std::span<const IconImage> images;  // e.g. 32 x 32 and 16 x 16
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
    std::span<const DialogResource> dialogs;
    std::span<const DialogInitResource> dialogInits;
    std::span<const IconResource> icons;
    std::span<const ControlNamesResource> controlNames = {};
};

// The resources the framework looks things up in, as a module's resource section: a
// program sets its own before it opens a dialog; none are set at first.
void AfxSetResourceHandle(const ResourceTable& resources);
const ResourceTable& AfxGetResourceHandle();

const DialogTemplate* AfxFindDialogTemplate(int id);
std::span<const DialogInitRecord> AfxFindDialogInit(int id);  // empty when there is none
const IconResource* AfxFindIcon(int id);
std::span<const ControlNameRecord> AfxFindControlNames(int dialogId);  // empty when there are none
