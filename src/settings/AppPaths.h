// Every file the utility finds beside its executable, built once from the
// application folder: help, skins, the lighting template, the companion programs
// and the language files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace app {

struct AppPaths {
    std::filesystem::path applicationFolder;
    std::string executableName;  // file name of the executable, no folder
    std::filesystem::path helpFolder;
    std::filesystem::path mainSkinFile;
    std::filesystem::path skinFolder;
    std::filesystem::path profileSkinFile;
    std::filesystem::path profileSkinFolder;
    std::filesystem::path compositeSkinFile;
    std::filesystem::path compositeSkinFolder;
    std::filesystem::path companionProgram;
    std::filesystem::path updaterProgram;

    static AppPaths build(const std::filesystem::path &applicationFolder,
                          std::string executableName);

    // "Lang%04X.ini" in the application folder: 0x0409 gives Lang0409.ini.
    std::filesystem::path languageFile(std::uint32_t languageId) const;
    // The lighting template the per-user files are seeded from (number 3).
    std::filesystem::path defaultLightingFile() const;
    // The help page.
    std::filesystem::path helpPage() const { return helpFolder / "index.html"; }
    // A skin picture or file named relative to the application folder ("Skins/Arrow.jpg").
    std::filesystem::path underApplicationFolder(const std::string &relative) const;
};

// The table of the running executable, built on first use and unchanged after.
const AppPaths &runningAppPaths();

// The language file of a language id: "Lang%04X.ini", so 0x0409 gives "Lang0409.ini".
std::string languageFileName(std::uint32_t languageId);

// prefix + number + suffix, the way numbered files are named ("UserDengColor_" 2 ".userd").
std::filesystem::path numberedFile(const std::filesystem::path &prefix, int number,
                                   const std::string &suffix);

}  // namespace app
