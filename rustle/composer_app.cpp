// The noise composer: one application object that runs its dialog once.
#include "rustle/composer_dlg.h"
#include "shell/composer_app.h"

CComposerApp<rustle::kComposer> theApp;
