#pragma once

#include "core/clicks_from_bytes.h"

#include <string>

// What a composer says to the user when it refuses a paste, in Japanese, on one line: the
// reason and, for a bad byte, its position counted from 1.
std::string PasteRefusalMessage(const BytesRefusal& refusal);
