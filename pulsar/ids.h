#pragma once

// Resource and control ids of the square-wave-1 composer's dialog.
namespace pulsar {

inline constexpr int IDD_COMPOSER = 102;
inline constexpr int IDI_COMPOSER = 128;

inline constexpr int IDC_REGION = 1000;
inline constexpr int IDC_COUNT = 1001;
inline constexpr int IDC_BUDGET = 1002;
inline constexpr int IDC_LEN0 = 1003;  // IDC_LEN0 + i shows position i
inline constexpr int IDC_TOTAL = 1012;
inline constexpr int IDC_LENSEL0 = 1013;  // IDC_LENSEL0 + i is radio position i
inline constexpr int IDC_FIRST_KEY = 1022;
inline constexpr int IDC_LAST_KEY = 1054;
inline constexpr int IDC_REST = 1055;
inline constexpr int IDC_BACK = 1056;
inline constexpr int IDC_END = 1057;
inline constexpr int IDC_OUTPUT = 1058;

}  // namespace pulsar
