// The square-wave-1 composer: one application object that runs its dialog once.
#include "pulsar/composer_program.h"
#include "shell/composer_app.h"

CComposerApp<pulsar::kComposer> theApp;
