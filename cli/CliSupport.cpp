#include "cli/CliSupport.h"

#include "core/SafeFile.h"
#include "datasets/DemoSections.h"

#include <algorithm>
#include <csignal>
#include <unistd.h>

namespace ombrix::cli {

Arguments::Arguments(const std::vector<std::string>& words,
                     const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flagOptions) {
    auto known = [](const std::vector<std::string>& list, const std::string& w) {
        return std::find(list.begin(), list.end(), w) != list.end();
    };
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (known(valueOptions, w)) {
            if (i + 1 >= words.size()) throw UsageError{w + " needs a value"};
            m_values[w] = words[++i];
        } else if (known(flagOptions, w)) {
            m_flags[w] = true;
        } else if (w.size() > 1 && w[0] == '-') {
            throw UsageError{"unknown option " + w};
        } else {
            m_positional.push_back(w);
        }
    }
}

std::string Arguments::Value(const std::string& name, const std::string& fallBack) const {
    auto it = m_values.find(name);
    return it == m_values.end() ? fallBack : it->second;
}

bool LoadTransferFile(const std::filesystem::path& file, OrvDataList& list) {
    // A command reads its file once and ends: the file's pages are mapped, and
    // a file shortened meanwhile stops the command (InstallFileChangeGuard).
    std::optional<TransferLines> read =
        TransferLines::FromFile(file, TransferLines::FileAccess::Map);
    if (!read) throw UsageError{"cannot read " + file.string()};
    TransferLines& lines = *read;
    if (FindMarkerLine(lines, kDatalogMarker) >= 0 && FindMarkerLine(lines, kRemoteMarker) >= 0)
        KeepDatalogSection(lines);
    return list.ParseTransfer(lines);
}

namespace {

void StopOnLostFilePages(int) {
    static const char kMessage[] =
        "ombrix-cli: a file changed while it was being read; nothing was written\n";
    const ssize_t written = ::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    (void)written;
    ::_exit(kExitUsage);
}

} // namespace

void InstallFileChangeGuard() {
    struct sigaction action {};
    action.sa_handler = StopOnLostFilePages;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, nullptr);
}

std::string Utf8(const std::string& latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char c : latin1) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

} // namespace ombrix::cli
