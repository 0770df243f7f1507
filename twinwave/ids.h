#pragma once

// Resource and control ids of the square-wave-2 and triangle composer's dialog.
namespace twinwave {

inline constexpr int IDD_COMPOSER = 102;
inline constexpr int IDI_COMPOSER = 128;

inline constexpr int IDC_REGION = 1000;
inline constexpr int IDC_COUNT = 1001;
inline constexpr int IDC_BUDGET = 1002;
inline constexpr int IDC_FIRST_KEY = 1003;
inline constexpr int IDC_LAST_KEY = 1062;
inline constexpr int IDC_REST = 1063;
inline constexpr int IDC_LEN0 = 1064;  // IDC_LEN0 + i shows position i
inline constexpr int IDC_LENSEL0 = 1072;  // IDC_LENSEL0 + i is radio position i
inline constexpr int IDC_TOTAL = 1080;
inline constexpr int IDC_BACK = 1081;
inline constexpr int IDC_OUTPUT = 1082;
inline constexpr int IDC_END = 1083;

}  // namespace twinwave
