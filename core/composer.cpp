#include "core/composer.h"

void Composer::SetUp()
{
    ChangeRegion(state_.currentRegion);
    state_.fields.lengthIndex = 0;
    view_.WriteFields(state_.fields);
}

void Composer::ChangeRegion(int index)
{
    const RegionCatalogue catalogue = channel_.Catalogue();
    if (!IsRegionIndex(catalogue, index))
        return;
    if (!SelectRegion(state_, catalogue, index))
        return;
    view_.WriteFields(state_.fields);
    view_.SetOutputText(state_.outputText);
}

bool Composer::Run(Edit edit)
{
    if (!channel_.Accepts(state_, edit))
        return false;
    view_.ReadFields(state_.fields, state_.outputText);
    channel_.Apply(state_, edit);
    view_.WriteFields(state_.fields);
    view_.SetOutputText(state_.outputText);
    return true;
}
