// The square-wave-2 and triangle composer: one application object that runs its dialog once.
#include "twinwave/composer_program.h"
#include "shell/composer_app.h"

CComposerApp<twinwave::kComposer> theApp;
