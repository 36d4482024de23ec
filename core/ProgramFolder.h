#pragma once
// The program folder: where the data files live ("DemoDat.dat", "Standard.dat",
// "OrvView.dat", "OrvConf.dat", the help file). It is the folder of the
// executable; when that is not writable (a system-wide install), the user's
// data folder $XDG_DATA_HOME/Ombrix (~/.local/share/Ombrix), seeded with the
// shipped files on first use. OMBRIX_HOME overrides both.

#include <filesystem>

namespace ombrix {

std::filesystem::path ProgramFolder();
// Fixes the folder (tests, and the program once it has decided).
void SetProgramFolder(const std::filesystem::path& folder);
// Decides the folder from the environment and the executable's location.
std::filesystem::path ResolveProgramFolder();

// A file of the program folder.
std::filesystem::path ProgramFile(const char* name);

} // namespace ombrix
