#pragma once
// The lines of a transfer text. A memory transfer can hold a million lines; they
// are kept as views into the file's bytes instead of a string each, so reading
// a file costs no allocation per line and little more memory than the file
// itself. Lines added later (a live measurement block, a replaced line) go
// into a buffer of their own.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

class FileBytes;

class TransferLines {
public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const TransferLines* lines, std::size_t index)
            : m_lines(lines), m_index(index) {}
        std::string_view operator*() const { return (*m_lines)[m_index]; }
        std::string_view operator[](difference_type n) const {
            return (*m_lines)[m_index + static_cast<std::size_t>(n)];
        }
        const_iterator& operator++() { return ++m_index, *this; }
        const_iterator operator++(int) {
            auto old = *this;
            ++m_index;
            return old;
        }
        const_iterator& operator--() { return --m_index, *this; }
        const_iterator operator--(int) {
            auto old = *this;
            --m_index;
            return old;
        }
        const_iterator& operator+=(difference_type n) {
            m_index += static_cast<std::size_t>(n);
            return *this;
        }
        const_iterator& operator-=(difference_type n) {
            m_index -= static_cast<std::size_t>(n);
            return *this;
        }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.m_index) -
                   static_cast<difference_type>(b.m_index);
        }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
            return a.m_index <=> b.m_index;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.m_index == b.m_index;
        }
        std::size_t Index() const { return m_index; }

    private:
        const TransferLines* m_lines = nullptr;
        std::size_t m_index = 0;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;
    using size_type = std::size_t;

    TransferLines() = default;
    TransferLines(std::initializer_list<std::string_view> lines);
    TransferLines(const std::vector<std::string>& lines);
    template <class It> TransferLines(It first, It last) { insert(end(), first, last); }

    // Splits a text into its lines (CR LF or LF), keeping the text as the buffer.
    static TransferLines FromText(std::string text);
    // How FromFile gets at the file: a copy of its bytes, or its pages mapped
    // (see FileBytes::Map, for short-lived processes only).
    enum class FileAccess { Copy, Map };
    // The lines of a file, split as FromText does and trimmed as TrimAll does;
    // nothing when it cannot be read.
    static std::optional<TransferLines> FromFile(const std::filesystem::path& file,
                                                 FileAccess access = FileAccess::Copy);

    std::size_t size() const { return m_spans.size(); }
    bool empty() const { return m_spans.empty(); }
    // const, so that `lines[i] = text` does not compile into a silent no-op.
    const std::string_view operator[](std::size_t i) const {
        const Span& s = m_spans[i];
        return std::string_view(Data(s), s.length);
    }
    // Puts another text in place of line i.
    void Replace(std::size_t i, std::string_view text);
    // Keeps the first `count` lines, or adds empty ones up to `count`.
    void resize(std::size_t count);

    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void push_back(std::string_view line);
    void emplace_back(std::string_view line) { push_back(line); }
    template <class It> void insert(const_iterator /*at the end only*/, It first, It last) {
        for (; first != last; ++first)
            push_back(std::string_view(*first));
    }
    // Appends the lines of a text (split as FromText does).
    void AppendText(std::string_view text);
    void clear();
    void reserve(std::size_t lines) { m_spans.reserve(lines); }
    // Removes lines [first, last).
    void erase(const_iterator first, const_iterator last);
    void erase(const_iterator at) { erase(at, at + 1); }
    // Drops leading and trailing blanks and control characters of every line.
    void TrimAll();
    // False when no line can begin with `c`: a search for a rare line (a
    // section marker) among a million skips the lines. Lines added or changed
    // count as they were added; a line removed may still count.
    bool MayHoldLineStartingWith(char c) const {
        const auto u = static_cast<unsigned char>(c);
        return (m_FirstChars[u / 64] >> (u % 64)) & 1u;
    }
    // The lines from `first` on, as a new list (copies them).
    TransferLines Tail(std::size_t first) const;
    std::vector<std::string> ToVector() const;

    friend bool operator==(const TransferLines& a, const TransferLines& b);

private:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    // Offsets below m_nFileSize are in the file's bytes, the others in m_text.
    const char* Data(const Span& s) const {
        return s.offset < m_nFileSize ? m_pFile + s.offset
                                      : m_text.data() + (s.offset - m_nFileSize);
    }
    std::size_t TextEnd() const { return m_nFileSize + m_text.size(); }
    // Adds the lines of data[from, size), their offsets counted from `base`.
    void AddSpans(const char* data, std::size_t size, std::size_t from, std::size_t base);
    // Adds the lines that end (with a line feed) in data[from, size), the first
    // of them begun at lineStart; returns where the unfinished line begins.
    std::size_t SplitLines(const char* data, std::size_t from, std::size_t size,
                           std::size_t lineStart, bool trim, std::size_t base = 0);
    // Adds data[start, end) as a line: trimmed, or without a CR at its end.
    void EndLine(const char* data, std::size_t start, std::size_t end, std::size_t base, bool trim);

    // A guess of the line count of a file from its size, for the room kept
    // for its lines; a file of shorter lines grows the list as usual.
    static constexpr std::size_t kShortestLikelyLine = 16;

    std::shared_ptr<const FileBytes> m_file; // shared by copies, never changed
    const char* m_pFile = nullptr;
    std::size_t m_nFileSize = 0;
    std::string m_text;
    std::vector<Span> m_spans;
    bool m_bTrimmed = false; // every line is trimmed already
    // The first characters of the lines, as a bit set; a line added untrimmed
    // counts its first character after trimming too, for after TrimAll.
    std::uint64_t m_FirstChars[4] = {};
    void NoteFirstChar(std::string_view line);
};

} // namespace ombrix
