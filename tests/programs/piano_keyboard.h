#pragma once

#include <functional>
#include <string>
#include <vector>

// A keyboard laid out by the piano pattern: white keys side by side on a 9-unit pitch from
// x = 6, and a black key 3 units right of each white key that has one on its right (every
// white key but E and B, unless `skipBlackAfter` says otherwise). Control ids rise from
// left to right across both rows.
struct PianoKey {
    int id;
    bool black;
    int x;      // dialog units
    char note;  // 'C'..'B' of a white key; of the white key on its left for a black key
};

inline std::vector<PianoKey> PianoKeyboard(int firstId, int whiteCount, char lowestWhite,
                                           const std::function<bool(int white)>& skipBlackAfter = {})
{
    const std::string notes = "CDEFGAB";
    std::vector<PianoKey> keys;
    int id = firstId;
    const auto lowest = static_cast<int>(notes.find(lowestWhite));
    for (int white = 0; white < whiteCount; ++white) {
        const char note = notes[static_cast<std::size_t>((lowest + white) % 7)];
        const int x = 6 + 9 * white;
        keys.push_back({id++, false, x, note});
        const bool hasBlack = note != 'E' && note != 'B' && white + 1 < whiteCount;
        if (hasBlack && !(skipBlackAfter && skipBlackAfter(white)))
            keys.push_back({id++, true, x + 3, note});
    }
    return keys;
}
