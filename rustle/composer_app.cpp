// The noise composer: one application object that runs its dialog once.
#include "rustle/composer_program.h"
#include "shell/composer_app.h"

CComposerApp<rustle::kComposer> theApp;
