#pragma once

// Sizes the system fixes, asked for by index.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;

// The metric `index`; 0 for one the framework does not know.
int GetSystemMetrics(int index);
