// Build tool of each composer program: writes the program's icon (resource 128) as the files
// the desktop's icon theme and a Windows resource script take.
//   <program>_icons NAME DIRECTORY SIZE...
// makes DIRECTORY/hicolor/<n>x<n>/apps/NAME.png for each SIZE n, and DIRECTORY/NAME.ico with
// the icon's own images.
#include "framework/icon_export.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

constexpr int kIconId = 128;

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "icons") << " NAME DIRECTORY SIZE...\n";
        return 2;
    }
    const std::string name = argv[1];
    const std::filesystem::path directory = argv[2];
    for (int argument = 3; argument < argc; ++argument) {
        const int size = std::atoi(argv[argument]);
        const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = directory / "hicolor" / sizeName / "apps";
        std::filesystem::create_directories(folder);
        if (!AfxSaveIconAsPng(kIconId, size, (folder / (name + ".png")).string().c_str())) {
            std::cerr << "cannot write the " << sizeName << " icon into " << folder << '\n';
            return 1;
        }
    }
    if (!AfxSaveIconAsIco(kIconId, (directory / (name + ".ico")).string().c_str())) {
        std::cerr << "cannot write " << name << ".ico into " << directory << '\n';
        return 1;
    }
    return 0;
}
