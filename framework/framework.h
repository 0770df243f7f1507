#pragma once

// Everything a program's dialog and application classes use from the framework.
#include "framework/cdc.h"
#include "framework/clipboard.h"
#include "framework/cdialog.h"
#include "framework/controls.h"
#include "framework/cstring.h"
#include "framework/cwinapp.h"
#include "framework/cwnd.h"
#include "framework/data_exchange.h"
#include "framework/dialog_template.h"
#include "framework/message_map.h"
#include "framework/resources.h"
#include "framework/system_metrics.h"
#include "framework/win_constants.h"
#include "framework/win_types.h"
#include "framework/window_styles.h"
