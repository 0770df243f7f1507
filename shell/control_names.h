#pragma once

#include "core/program.h"
#include "framework/resources.h"

#include <span>
#include <string>
#include <utility>
#include <vector>

// What screen readers and UI automation call the controls of a composer dialog. The
// captions alone do not say it: a key shows no note, "←" and "休" are symbols, and every
// length radio button is captioned "Radio1".
//
// The names of every control of `program`'s dialog but the "/": the region list, the number
// boxes by what they show, the radio buttons by their length, the push buttons as
// ButtonName() calls them, and the output. It owns the names its records point into.
class ComposerControlNames {
public:
    explicit ComposerControlNames(const Program& program);
    ComposerControlNames(const ComposerControlNames&) = delete;
    ComposerControlNames& operator=(const ComposerControlNames&) = delete;

    std::span<const ControlNameRecord> Records() const { return records_; }

private:
    std::vector<std::pair<int, std::string>> names_;
    std::vector<ControlNameRecord> records_;
};
