#pragma once

// Sizes the system fixes, asked for by index.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;

// The metric `index`; 0 for one the system does not know. On Windows it is the system's
// own function, declared as its headers declare it.
#ifdef _WIN32
extern "C" __declspec(dllimport) int __stdcall GetSystemMetrics(int index);
#else
int GetSystemMetrics(int index);
#endif
