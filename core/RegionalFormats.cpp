#include "core/RegionalFormats.h"

#include <string_view>
#include <vector>

namespace ombrix {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct PatternElement {
    char letter; // as in the pattern
    int count;
    std::string before; // literal text before it
};

// Splits a Qt pattern into letter runs and the literal text before each.
std::vector<PatternElement> Elements(std::string_view pattern) {
    std::vector<PatternElement> elements;
    std::string literal;
    for (size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == '\'') {
            const size_t close = pattern.find('\'', i + 1);
            const size_t end = close == std::string_view::npos ? pattern.size() : close;
            literal.append(pattern.substr(i + 1, end - i - 1));
            i = end == pattern.size() ? end : end + 1;
            continue;
        }
        if (IsLetter(c)) {
            size_t n = 1;
            while (i + n < pattern.size() && pattern[i + n] == c) ++n;
            elements.push_back({c, static_cast<int>(n), literal});
            literal.clear();
            i += n;
            continue;
        }
        literal += c;
        ++i;
    }
    return elements;
}

// The first character of a literal that can serve as a separator.
char SeparatorIn(const std::string& literal) {
    for (char c : literal)
        if (c != ' ' && !IsLetter(c) && !IsDigit(c) && static_cast<unsigned char>(c) < 0x80 && c != '\'' &&
            c != '"')
            return c;
    return 0;
}

char FirstChar(const std::string& text, char fallBack) {
    return text.size() == 1 && static_cast<unsigned char>(text[0]) >= ' ' ? text[0] : fallBack;
}

void BuildDate(const std::string& pattern, FormatSettings& fs) {
    std::string picture;
    char separator = 0;
    bool day = false, month = false, year = false;
    for (const auto& e : Elements(pattern)) {
        std::string element;
        if (e.letter == 'd' && e.count <= 2 && !day) {
            element = e.count == 2 ? "dd" : "d";
            day = true;
        } else if (e.letter == 'M' && !month) {
            element = e.count == 1 ? "m" : "mm";
            month = true;
        } else if (e.letter == 'y' && !year) {
            element = e.count == 2 ? "yy" : "yyyy";
            year = true;
        } else {
            continue;
        }
        if (!picture.empty()) {
            if (!separator) separator = SeparatorIn(e.before);
            picture += '/';
        }
        picture += element;
    }
    if (!day || !month || !year) {
        picture = "dd/mm/yyyy";
        separator = 0;
    }
    fs.ShortDateFormat = picture;
    fs.DateSeparator = separator ? separator : '/';
}

void BuildTime(const std::string& pattern, FormatSettings& fs) {
    int hourDigits = 0, minuteDigits = 0, secondDigits = 0;
    char separator = 0;
    for (const auto& e : Elements(pattern)) {
        const char u = static_cast<char>(e.letter & ~0x20);
        if (u == 'H' && !hourDigits) {
            hourDigits = e.count >= 2 ? 2 : 1;
        } else if (e.letter == 'm' && hourDigits && !minuteDigits) {
            minuteDigits = 2;
            separator = SeparatorIn(e.before);
        } else if (e.letter == 's' && minuteDigits && !secondDigits) {
            secondDigits = 2;
        }
    }
    fs.TimeSeparator = separator ? separator : ':';
    // Always 24 hours, minutes and seconds: the long time of the analyser's records.
    fs.LongTimeFormat = std::string(hourDigits == 1 ? "h" : "hh") + ":nn:ss";
}

} // namespace

FormatSettings FormatSettingsFromLocale(const LocalePatterns& locale) {
    FormatSettings fs;
    fs.DecimalSeparator = FirstChar(locale.decimalPoint, '.');
    if (fs.DecimalSeparator != '.' && fs.DecimalSeparator != ',') fs.DecimalSeparator = '.';
    fs.ThousandSeparator = FirstChar(locale.groupSeparator, fs.DecimalSeparator == ',' ? '.' : ',');
    if (fs.ThousandSeparator == fs.DecimalSeparator) fs.ThousandSeparator = fs.DecimalSeparator == ',' ? '.' : ',';
    // Where the decimal mark is a comma, lists are separated by semicolons.
    fs.ListSeparator = fs.DecimalSeparator == ',' ? ';' : ',';
    BuildDate(locale.shortDate, fs);
    BuildTime(locale.longTime, fs);
    // A separator that splits cells or numbers would make dates unreadable.
    auto clashes = [&](char c) { return c == fs.ListSeparator || c == fs.DecimalSeparator || c == ' '; };
    if (clashes(fs.DateSeparator)) fs.DateSeparator = fs.DecimalSeparator == '.' ? '-' : '.';
    if (clashes(fs.DateSeparator)) fs.DateSeparator = '/';
    if (clashes(fs.TimeSeparator)) fs.TimeSeparator = ':';
    return fs;
}

} // namespace ombrix
