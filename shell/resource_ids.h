#pragma once

// The ids of the composer programs' resources, for the compiler and the Windows resource
// compiler alike.
#define IDD_COMPOSER 102
#define IDI_COMPOSER 128
