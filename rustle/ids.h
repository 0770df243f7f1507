#pragma once

// Resource and control ids of the noise composer's dialog.
namespace rustle {

inline constexpr int IDD_COMPOSER = 102;
inline constexpr int IDI_COMPOSER = 128;

inline constexpr int IDC_REGION = 1000;
inline constexpr int IDC_COUNT = 1001;
inline constexpr int IDC_BUDGET = 1002;
inline constexpr int IDC_LEN0 = 1003;  // IDC_LEN0 + i shows position i
inline constexpr int IDC_TOTAL = 1011;
inline constexpr int IDC_LENSEL0 = 1012;  // IDC_LENSEL0 + i is radio position i
inline constexpr int IDC_NOISE1 = 1020;
inline constexpr int IDC_NOISE2 = 1021;
inline constexpr int IDC_NOISE3 = 1022;
inline constexpr int IDC_REST = 1023;
inline constexpr int IDC_BACK = 1024;
inline constexpr int IDC_END = 1025;
inline constexpr int IDC_OUTPUT = 1026;

}  // namespace rustle
