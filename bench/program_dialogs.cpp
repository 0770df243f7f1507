#include "bench/program_dialogs.h"

#include "framework/resources.h"
#include "pulsar/composer_program.h"
#include "rustle/composer_program.h"
#include "shell/resource_ids.h"
#include "twinwave/composer_program.h"

std::optional<ProgramDialog> FindProgramDialog(std::string_view name)
{
    for (const ComposerProgram* composer : {&rustle::kComposer, &pulsar::kComposer, &twinwave::kComposer}) {
        if (composer->program.name == name) {
            AfxSetResourceHandle(composer->resources.Table());
            return ProgramDialog{*AfxFindDialogTemplate(IDD_COMPOSER), AfxFindDialogInit(IDD_COMPOSER)};
        }
    }
    return std::nullopt;
}
