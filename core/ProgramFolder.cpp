#include "core/ProgramFolder.h"

#include <cstdlib>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace ombrix {

namespace fs = std::filesystem;

namespace {

std::optional<fs::path>& Chosen() {
    static std::optional<fs::path> folder;
    return folder;
}

fs::path ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

bool Writable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

fs::path UserDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fs::path(xdg) / "Ombrix";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local/share/Ombrix";
    return fs::temp_directory_path() / "Ombrix";
}

// Copies the shipped files that the user folder does not have yet.
void Seed(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::create_directories(to, ec);
    for (const auto& entry : fs::directory_iterator(from, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        const fs::path target = to / entry.path().filename();
        if (!fs::exists(target, ec)) fs::copy_file(entry.path(), target, ec);
    }
}

} // namespace

fs::path ResolveProgramFolder() {
    if (const char* home = std::getenv("OMBRIX_HOME"); home && *home) return fs::path(home);
    const fs::path exeFolder = ExecutableFolder();
    std::error_code ec;
    // Installed programs keep their data files in share/ombrix beside bin/.
    fs::path shipped = exeFolder.parent_path() / "share" / "ombrix";
    if (!fs::is_directory(shipped, ec)) shipped = exeFolder;
    // A build tree holds the data files beside the program; an installed
    // program's folder does not, even when it is writable.
    if (Writable(exeFolder) && (shipped == exeFolder || fs::exists(exeFolder / "DemoDat.dat", ec)))
        return exeFolder;
    const fs::path user = UserDataFolder();
    Seed(shipped, user);
    return user;
}

fs::path ProgramFolder() {
    if (!Chosen()) Chosen() = ResolveProgramFolder();
    return *Chosen();
}

void SetProgramFolder(const fs::path& folder) {
    Chosen() = folder;
}

fs::path ProgramFile(const char* name) {
    return ProgramFolder() / name;
}

} // namespace ombrix
