#pragma once

// Dialog units: a quarter of the dialog font's average character width across, an eighth
// of its height down.
struct DialogBaseUnits {
    int x = 0;  // the average width of the letters A-Z and a-z, rounded
    int y = 0;  // the font's height
    bool operator==(const DialogBaseUnits&) const = default;
};
