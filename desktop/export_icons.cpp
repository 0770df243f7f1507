// Build tool of the composer programs: writes a program's icon (resource 128) as the images
// the desktop's icon theme takes, from which a Windows build also makes its .ico.
//   composer_icons NAME DIRECTORY SIZE...
// makes DIRECTORY/hicolor/<n>x<n>/apps/NAME.png for each SIZE n.
#include "framework/qt/icon_export.h"
#include "pulsar/composer_program.h"
#include "rustle/composer_program.h"
#include "twinwave/composer_program.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

const ComposerProgram* ProgramNamed(std::string_view name)
{
    for (const ComposerProgram* composer : {&rustle::kComposer, &pulsar::kComposer, &twinwave::kComposer}) {
        if (composer->program.name == name)
            return composer;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "icons") << " NAME DIRECTORY SIZE...\n";
        return 2;
    }
    const std::string name = argv[1];
    const ComposerProgram* composer = ProgramNamed(name);
    if (composer == nullptr) {
        std::cerr << "no composer program " << name << '\n';
        return 2;
    }
    AfxSetResourceHandle(composer->resources.Table());
    const std::filesystem::path directory = argv[2];
    for (int argument = 3; argument < argc; ++argument) {
        const int size = std::atoi(argv[argument]);
        const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = directory / "hicolor" / sizeName / "apps";
        std::filesystem::create_directories(folder);
        if (!AfxSaveIconAsPng(IDI_COMPOSER, size, (folder / (name + ".png")).string().c_str())) {
            std::cerr << "cannot write the " << sizeName << " icon into " << folder << '\n';
            return 1;
        }
    }
    return 0;
}
