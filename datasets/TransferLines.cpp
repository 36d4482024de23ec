#include "datasets/TransferLines.h"

#include "core/LargeMemory.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace ombrix {

TransferLines::TransferLines(std::initializer_list<std::string_view> lines) {
    for (auto line : lines)
        push_back(line);
}

TransferLines::TransferLines(const std::vector<std::string>& lines) {
    m_spans.reserve(lines.size());
    for (const auto& line : lines)
        push_back(line);
}

TransferLines TransferLines::FromText(std::string text) {
    TransferLines lines;
    lines.m_text = std::move(text);
    lines.AddSpans(lines.m_text.data(), lines.m_text.size(), 0, 0);
    return lines;
}

std::optional<TransferLines> TransferLines::FromFile(const std::filesystem::path& file,
                                                     FileAccess access) {
    TransferLines lines;
    std::size_t scanned = 0;
    std::size_t lineStart = 0;
    auto split = [&](const char* data, std::size_t filled, std::size_t expected) {
        if (scanned == 0) {
            lines.m_spans.reserve(expected / kShortestLikelyLine + 1);
            AdviseHugePagesFor(lines.m_spans);
        }
        lineStart = lines.SplitLines(data, scanned, filled, lineStart, true);
        scanned = filled;
    };
    // A copy is split, and trimmed, piece by piece as the file comes in, while
    // its bytes are still in the cache; a mapped file at once.
    std::optional<FileBytes> bytes =
        access == FileAccess::Map ? FileBytes::Map(file) : FileBytes::Read(file, split);
    if (!bytes) return std::nullopt;
    if (scanned < bytes->size()) split(bytes->data(), bytes->size(), bytes->size());
    lines.m_file = std::make_shared<const FileBytes>(std::move(*bytes));
    lines.m_pFile = lines.m_file->data();
    lines.m_nFileSize = lines.m_file->size();
    // A last line without an end is a line; an end at the very end adds none.
    if (lineStart < lines.m_nFileSize)
        lines.EndLine(lines.m_pFile, lineStart, lines.m_nFileSize, 0, true);
    lines.m_bTrimmed = true;
    return lines;
}

namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;
constexpr std::uint64_t kLowSeven = 0x7F7F7F7F7F7F7F7Full;

// The top bit of each byte of `word` that is a line feed, and of no other:
// eight characters looked at in a few operations.
std::uint64_t LineFeedBits(std::uint64_t word) {
    const std::uint64_t x = word ^ (kEveryByte * '\n'); // zero where a line feed is
    return ~(((x & kLowSeven) + kLowSeven) | x) & ~kLowSeven;
}

std::uint64_t LoadWord(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

constexpr bool kWordScan = std::endian::native == std::endian::little;

std::size_t CountLineFeeds(const char* data, std::size_t size) {
    std::size_t count = 0;
    std::size_t i = 0;
    if constexpr (kWordScan) {
        // Per-byte counters summed every 255 words, before a byte overflows.
        while (i + 8 <= size) {
            std::uint64_t perByte = 0;
            for (int n = 0; n < 255 && i + 8 <= size; ++n, i += 8)
                perByte += LineFeedBits(LoadWord(data + i)) >> 7;
            count += static_cast<std::size_t>((perByte * kEveryByte) >> 56);
        }
    }
    for (; i < size; ++i)
        count += data[i] == '\n';
    return count;
}

} // namespace

void TransferLines::EndLine(const char* data, std::size_t start, std::size_t end, std::size_t base,
                            bool trim) {
    if (trim) {
        auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
        while (start < end && isBlank(data[start]))
            ++start;
        while (end > start && isBlank(data[end - 1]))
            --end;
    } else if (end > start && data[end - 1] == '\r') {
        --end;
    }
    if (start < end) {
        const auto first = static_cast<unsigned char>(data[start]);
        m_FirstChars[first / 64] |= std::uint64_t{1} << (first % 64);
        if (!trim) NoteFirstChar(std::string_view(data + start, end - start));
    }
    m_spans.push_back({base + start, end - start});
}

void TransferLines::NoteFirstChar(std::string_view line) {
    for (const char c : line) {
        const auto u = static_cast<unsigned char>(c);
        m_FirstChars[u / 64] |= std::uint64_t{1} << (u % 64);
        if (u > ' ') return; // the first one that trimming keeps
    }
}

std::size_t TransferLines::SplitLines(const char* data, std::size_t from, std::size_t size,
                                      std::size_t lineStart, bool trim, std::size_t base) {
    std::size_t i = from;
    if constexpr (kWordScan) {
        for (; i + 8 <= size; i += 8)
            for (std::uint64_t bits = LineFeedBits(LoadWord(data + i)); bits; bits &= bits - 1) {
                const std::size_t end = i + static_cast<std::size_t>(std::countr_zero(bits)) / 8;
                EndLine(data, lineStart, end, base, trim);
                lineStart = end + 1;
            }
    }
    for (; i < size; ++i)
        if (data[i] == '\n') {
            EndLine(data, lineStart, i, base, trim);
            lineStart = i + 1;
        }
    return lineStart;
}

void TransferLines::AddSpans(const char* data, std::size_t size, std::size_t from,
                             std::size_t base) {
    // Counted first, so that a million lines do not grow the list a few
    // times over, copying it each time.
    const std::size_t wanted = m_spans.size() + CountLineFeeds(data + from, size - from) + 1;
    if (wanted > m_spans.capacity()) {
        m_spans.reserve(std::max(wanted, 2 * m_spans.capacity()));
        AdviseHugePagesFor(m_spans);
    }
    const std::size_t lineStart = SplitLines(data, from, size, from, false, base);
    // A last line without an end is a line; an end at the very end adds none.
    if (lineStart < size) EndLine(data, lineStart, size, base, false);
    m_bTrimmed = false;
}

void TransferLines::AppendText(std::string_view text) {
    const std::size_t from = m_text.size();
    m_text.append(text);
    if (!text.empty() && text.back() != '\n') m_text += '\n';
    AddSpans(m_text.data(), m_text.size(), from, m_nFileSize);
}

void TransferLines::push_back(std::string_view line) {
    m_bTrimmed = false;
    NoteFirstChar(line);
    const std::size_t offset = TextEnd();
    m_text.append(line);
    m_spans.push_back({offset, line.size()});
}

void TransferLines::Replace(std::size_t i, std::string_view text) {
    // The old text stays in the buffer, unreachable; replacing is rare.
    const std::string copy(text); // text may point into the buffer itself
    m_bTrimmed = false;
    NoteFirstChar(copy);
    const std::size_t offset = TextEnd();
    m_text.append(copy);
    m_spans[i] = {offset, copy.size()};
}

void TransferLines::resize(std::size_t count) {
    if (count < m_spans.size()) {
        m_spans.resize(count);
    } else {
        while (m_spans.size() < count)
            m_spans.push_back({TextEnd(), 0});
    }
}

void TransferLines::clear() {
    m_file.reset();
    m_pFile = nullptr;
    m_nFileSize = 0;
    m_text.clear();
    m_spans.clear();
    m_bTrimmed = false;
    std::fill(std::begin(m_FirstChars), std::end(m_FirstChars), 0);
}

void TransferLines::erase(const_iterator first, const_iterator last) {
    m_spans.erase(m_spans.begin() + static_cast<std::ptrdiff_t>(first.Index()),
                  m_spans.begin() + static_cast<std::ptrdiff_t>(last.Index()));
    if (m_spans.empty()) clear();
}

void TransferLines::TrimAll() {
    if (m_bTrimmed) return;
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    for (Span& s : m_spans) {
        const char* text = Data(s);
        std::size_t skip = 0;
        while (skip < s.length && isBlank(text[skip]))
            ++skip;
        std::size_t length = s.length;
        while (length > skip && isBlank(text[length - 1]))
            --length;
        s.offset += skip;
        s.length = length - skip;
    }
    m_bTrimmed = true;
}

TransferLines TransferLines::Tail(std::size_t first) const {
    TransferLines tail;
    for (std::size_t i = first; i < size(); ++i)
        tail.push_back((*this)[i]);
    return tail;
}

std::vector<std::string> TransferLines::ToVector() const {
    std::vector<std::string> lines;
    lines.reserve(size());
    for (std::size_t i = 0; i < size(); ++i)
        lines.emplace_back((*this)[i]);
    return lines;
}

bool operator==(const TransferLines& a, const TransferLines& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

} // namespace ombrix
