#include "datasets/DemoSections.h"

#include <algorithm>
#include <cstring>

namespace ombrix {

namespace {
bool EqualNoCase(std::string_view a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        auto lower = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return i == a.size() && b[i] == '\0';
}
} // namespace

int FindMarkerLine(const TransferLines& lines, const char* marker) {
    // Every file read is searched for the markers: lines of another length are
    // passed over without looking at their letters.
    const std::size_t length = std::strlen(marker);
    if (length == 0 || !lines.MayHoldLineStartingWith(marker[0])) return -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        // Sample lines are often as long as a marker: its '<' decides first.
        if (line.size() == length && line.front() == marker[0] && EqualNoCase(line, marker))
            return static_cast<int>(i);
    }
    return -1;
}

bool KeepDatalogSection(TransferLines& lines) {
    const int first = FindMarkerLine(lines, kDatalogMarker);
    if (first < 0) return false;
    int end = -1;
    const std::size_t length = std::strlen(kRemoteMarker);
    for (size_t i = static_cast<size_t>(first) + 1; i < lines.size() && end < 0; ++i)
        if (lines[i].size() == length && lines[i].front() == kRemoteMarker[0] &&
            EqualNoCase(lines[i], kRemoteMarker))
            end = static_cast<int>(i);
    if (end < 0) return false;
    lines.erase(lines.begin() + end, lines.end());
    lines.erase(lines.begin(), lines.begin() + first + 1);
    return true;
}

bool IsDemoFile(const TransferLines& lines) {
    return lines.size() > 2 && lines[2].find("Demo") != std::string_view::npos;
}

} // namespace ombrix
