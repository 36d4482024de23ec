#include "datasets/TransferLines.h"

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
    lines.AddSpans(0);
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

void TransferLines::AddSpans(std::size_t from) {
    const char* data = m_text.data();
    const std::size_t size = m_text.size();
    // Counted first, so that a million lines do not grow the list a few
    // times over, copying it each time.
    const std::size_t wanted = m_spans.size() + CountLineFeeds(data + from, size - from) + 1;
    if (wanted > m_spans.capacity()) m_spans.reserve(std::max(wanted, 2 * m_spans.capacity()));
    std::size_t start = from;
    const auto endLineAt = [&](std::size_t end) {
        std::size_t stop = end;
        if (stop > start && data[stop - 1] == '\r') --stop;
        m_spans.push_back({start, stop - start});
        start = end + 1;
    };
    std::size_t i = from;
    if constexpr (kWordScan) {
        for (; i + 8 <= size; i += 8)
            for (std::uint64_t bits = LineFeedBits(LoadWord(data + i)); bits; bits &= bits - 1)
                endLineAt(i + static_cast<std::size_t>(std::countr_zero(bits)) / 8);
    }
    for (; i < size; ++i)
        if (data[i] == '\n') endLineAt(i);
    // A last line without an end is a line; an end at the very end adds none.
    if (start < size) endLineAt(size);
}

void TransferLines::AppendText(std::string_view text) {
    const std::size_t from = m_text.size();
    m_text.append(text);
    if (!text.empty() && text.back() != '\n') m_text += '\n';
    AddSpans(from);
}

void TransferLines::push_back(std::string_view line) {
    const std::size_t offset = m_text.size();
    m_text.append(line);
    m_spans.push_back({offset, line.size()});
}

void TransferLines::Replace(std::size_t i, std::string_view text) {
    // The old text stays in the buffer, unreachable; replacing is rare.
    const std::string copy(text); // text may point into the buffer itself
    const std::size_t offset = m_text.size();
    m_text.append(copy);
    m_spans[i] = {offset, copy.size()};
}

void TransferLines::resize(std::size_t count) {
    if (count < m_spans.size()) {
        m_spans.resize(count);
    } else {
        while (m_spans.size() < count)
            m_spans.push_back({m_text.size(), 0});
    }
}

void TransferLines::clear() {
    m_text.clear();
    m_spans.clear();
}

void TransferLines::erase(const_iterator first, const_iterator last) {
    m_spans.erase(m_spans.begin() + static_cast<std::ptrdiff_t>(first.Index()),
                  m_spans.begin() + static_cast<std::ptrdiff_t>(last.Index()));
    if (m_spans.empty()) m_text.clear();
}

void TransferLines::TrimAll() {
    const char* data = m_text.data();
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    for (Span& s : m_spans) {
        while (s.length > 0 && isBlank(data[s.offset]))
            ++s.offset, --s.length;
        while (s.length > 0 && isBlank(data[s.offset + s.length - 1]))
            --s.length;
    }
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
