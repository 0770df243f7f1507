#pragma once

#include "framework/win_types.h"

// Sizes the system fixes, asked for by index with GetSystemMetrics, which each backend
// declares (on Windows, the system's own function).
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;
