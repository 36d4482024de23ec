#pragma once
// The lines of a transfer text. A memory transfer can hold a million lines; they
// are kept as views into one buffer instead of a string each, so reading a file
// costs no allocation per line and little more memory than the file itself.
// Lines appended later (a live measurement block) go into the same buffer.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

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

    std::size_t size() const { return m_spans.size(); }
    bool empty() const { return m_spans.empty(); }
    // const, so that `lines[i] = text` does not compile into a silent no-op.
    const std::string_view operator[](std::size_t i) const {
        const Span& s = m_spans[i];
        return std::string_view(m_text.data() + s.offset, s.length);
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
    // The lines from `first` on, as a new list (copies them).
    TransferLines Tail(std::size_t first) const;
    std::vector<std::string> ToVector() const;

    friend bool operator==(const TransferLines& a, const TransferLines& b);

private:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    void AddSpans(std::size_t from);

    std::string m_text;
    std::vector<Span> m_spans;
};

} // namespace ombrix
