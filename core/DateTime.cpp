#include "core/DateTime.h"

#include "core/ConvertError.h"

#include <array>
#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>
#include <vector>

namespace ombrix {

namespace {

constexpr std::array<const char*, 12> kShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 12> kLongMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> kLongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};

const std::chrono::sys_days kEpoch = std::chrono::sys_days{std::chrono::year{1899} / 12 / 30};

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWithNoCase(std::string_view text, size_t pos, std::string_view word) {
    if (text.size() - pos < word.size() || pos > text.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (Upper(text[pos + i]) != Upper(word[i])) return false;
    return true;
}

std::string TwoDigits(int n, bool pad) {
    std::string s = std::to_string(n);
    if (pad && s.size() < 2) s.insert(0, 1, '0');
    return s;
}

std::string PaddedNumber(int n, size_t width) {
    std::string s = std::to_string(n);
    if (s.size() < width) s.insert(0, width - s.size(), '0');
    return s;
}

// ---- picture tokens -------------------------------------------------------

enum class Element { Literal, Day, Month, Year, Hour, Minute, Second, MSec, AmPm, ShortDate, LongTime, ShortTime, DateSep, TimeSep };

struct Token {
    Element element = Element::Literal;
    int count = 0;         // letters in the element
    std::string text;      // literal text, or the am/pm form ("am/pm", "a/p", "ampm")
};

// Splits a picture into elements and literals. "m" right after an hour element
// (separators in between do not count) is minutes.
std::vector<Token> Tokenise(std::string_view picture) {
    std::vector<Token> tokens;
    std::optional<Element> lastLetterElement;
    size_t i = 0;
    auto addLiteral = [&](std::string_view s) {
        if (!tokens.empty() && tokens.back().element == Element::Literal)
            tokens.back().text += s;
        else
            tokens.push_back({Element::Literal, 0, std::string(s)});
    };
    while (i < picture.size()) {
        const char c = picture[i];
        const char u = Upper(c);
        auto run = [&]() {
            size_t n = 0;
            while (i + n < picture.size() && Upper(picture[i + n]) == u) ++n;
            return static_cast<int>(n);
        };
        if (c == '"' || c == '\'') {
            const size_t close = picture.find(c, i + 1);
            const size_t end = close == std::string_view::npos ? picture.size() : close;
            addLiteral(picture.substr(i + 1, end - i - 1));
            i = end == picture.size() ? end : end + 1;
            continue;
        }
        if (StartsWithNoCase(picture, i, "am/pm") || StartsWithNoCase(picture, i, "ampm") ||
            StartsWithNoCase(picture, i, "a/p")) {
            const size_t len = StartsWithNoCase(picture, i, "am/pm") ? 5 : StartsWithNoCase(picture, i, "ampm") ? 4 : 3;
            tokens.push_back({Element::AmPm, 0, std::string(picture.substr(i, len))});
            i += len;
            continue;
        }
        Token token;
        int n = 0;
        switch (u) {
        case 'D':
            n = run();
            token = {n >= 5 ? Element::ShortDate : Element::Day, n, {}};
            break;
        case 'M':
            n = run();
            token = {(lastLetterElement == Element::Hour && n <= 2) ? Element::Minute : Element::Month, n, {}};
            break;
        case 'Y':
            n = run();
            token = {Element::Year, n, {}};
            break;
        case 'H':
            n = run();
            token = {Element::Hour, n, {}};
            break;
        case 'N':
            n = run();
            token = {Element::Minute, n, {}};
            break;
        case 'S':
            n = run();
            token = {Element::Second, n, {}};
            break;
        case 'Z':
            n = run();
            token = {Element::MSec, n, {}};
            break;
        case 'T':
            n = run();
            token = {n >= 2 ? Element::LongTime : Element::ShortTime, n, {}};
            break;
        case 'C':
            n = run();
            tokens.push_back({Element::ShortDate, 5, {}});
            tokens.push_back({Element::Literal, 0, " "});
            token = {Element::LongTime, 2, {}};
            break;
        case '/':
            n = 1;
            token = {Element::DateSep, 1, {}};
            break;
        case ':':
            n = 1;
            token = {Element::TimeSep, 1, {}};
            break;
        default:
            addLiteral(picture.substr(i, 1));
            ++i;
            continue;
        }
        i += static_cast<size_t>(n);
        if (token.element != Element::DateSep && token.element != Element::TimeSep)
            lastLetterElement = token.element;
        tokens.push_back(std::move(token));
    }
    return tokens;
}

bool HasAmPm(const std::vector<Token>& tokens) {
    for (const auto& t : tokens)
        if (t.element == Element::AmPm) return true;
    return false;
}

std::string AmPmText(const Token& token, int hour, const FormatSettings& fs) {
    const bool pm = hour >= 12;
    const std::string& form = token.text;
    if (form.size() == 3) { // a/p, letter case as written
        const char letter = pm ? form[2] : form[0];
        return std::string(1, letter);
    }
    if (form.size() == 4) return pm ? fs.TimePMString : fs.TimeAMString; // ampm
    std::string word = pm ? form.substr(3, 2) : form.substr(0, 2);
    return word;
}

void AppendFormatted(std::string& out, std::string_view picture, const DateParts& p, int dayOfWeek,
                     const FormatSettings& fs, int depth) {
    const auto tokens = Tokenise(picture);
    const bool twelveHour = HasAmPm(tokens);
    for (const auto& t : tokens) {
        switch (t.element) {
        case Element::Literal:
            out += t.text;
            break;
        case Element::DateSep:
            out += fs.DateSeparator;
            break;
        case Element::TimeSep:
            out += fs.TimeSeparator;
            break;
        case Element::Day:
            if (t.count <= 2)
                out += TwoDigits(p.day, t.count == 2);
            else
                out += (t.count == 3 ? kShortDayNames : kLongDayNames)[static_cast<size_t>(dayOfWeek - 1)];
            break;
        case Element::Month:
            if (t.count <= 2)
                out += TwoDigits(p.month, t.count == 2);
            else
                out += (t.count == 3 ? kShortMonthNames : kLongMonthNames)[static_cast<size_t>(p.month - 1)];
            break;
        case Element::Year:
            out += t.count <= 2 ? PaddedNumber(p.year % 100, 2) : PaddedNumber(p.year, 4);
            break;
        case Element::Hour: {
            int hour = p.hour;
            if (twelveHour) {
                hour %= 12;
                if (hour == 0) hour = 12;
            }
            out += TwoDigits(hour, t.count >= 2);
            break;
        }
        case Element::Minute:
            out += TwoDigits(p.minute, t.count >= 2);
            break;
        case Element::Second:
            out += TwoDigits(p.second, t.count >= 2);
            break;
        case Element::MSec:
            out += t.count >= 3 ? PaddedNumber(p.msec, 3) : std::to_string(p.msec);
            break;
        case Element::AmPm:
            out += AmPmText(t, p.hour, fs);
            break;
        case Element::ShortDate:
            if (depth < 2) AppendFormatted(out, fs.ShortDateFormat, p, dayOfWeek, fs, depth + 1);
            break;
        case Element::LongTime:
            if (depth < 2) AppendFormatted(out, fs.LongTimeFormat, p, dayOfWeek, fs, depth + 1);
            break;
        case Element::ShortTime:
            if (depth < 2) AppendFormatted(out, "hh:nn", p, dayOfWeek, fs, depth + 1);
            break;
        }
    }
}

// ---- readers ----------------------------------------------------------------

class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    void SkipBlanks() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) ++m_pos;
    }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    size_t Pos() const { return m_pos; }

    // Up to maxDigits digits; reports how many were read.
    bool Number(int& value, int& length, int maxDigits = 4) {
        value = 0;
        length = 0;
        while (m_pos < m_text.size() && IsDigit(m_text[m_pos]) && length < maxDigits) {
            value = value * 10 + (m_text[m_pos] - '0');
            ++m_pos;
            ++length;
        }
        return length > 0;
    }
    bool Char(char c) {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word) {
        if (word.empty() || !StartsWithNoCase(m_text, m_pos, word)) return false;
        m_pos += word.size();
        return true;
    }
    void Reset(size_t pos) { m_pos = pos; }

private:
    std::string_view m_text;
    size_t m_pos = 0;
};

enum class DateOrder { DMY, MDY, YMD };

DateOrder OrderOf(std::string_view shortDateFormat) {
    for (char c : shortDateFormat) {
        switch (Upper(c)) {
        case 'D':
            return DateOrder::DMY;
        case 'M':
            return DateOrder::MDY;
        case 'Y':
            return DateOrder::YMD;
        default:
            break;
        }
    }
    return DateOrder::DMY;
}

int FullYear(int year, int digits, const FormatSettings& fs) {
    if (digits <= 2) return ExpandTwoDigitYear(year, CurrentYear(), fs.TwoDigitYearCenturyWindow);
    return year;
}

bool ScanDate(Scanner& s, const FormatSettings& fs, DateTime& value) {
    int n[3] = {0, 0, 0};
    int len[3] = {0, 0, 0};
    s.SkipBlanks();
    if (!s.Number(n[0], len[0])) return false;
    s.SkipBlanks();
    if (!s.Char(fs.DateSeparator)) return false;
    s.SkipBlanks();
    if (!s.Number(n[1], len[1])) return false;
    int count = 2;
    const size_t afterSecond = s.Pos();
    s.SkipBlanks();
    if (s.Char(fs.DateSeparator)) {
        s.SkipBlanks();
        if (!s.Number(n[2], len[2])) return false;
        count = 3;
    } else {
        s.Reset(afterSecond);
    }
    int year = 0, month = 0, day = 0, yearDigits = 4;
    const DateOrder order = OrderOf(fs.ShortDateFormat);
    if (count == 2) {
        year = CurrentYear();
        if (order == DateOrder::MDY) {
            month = n[0];
            day = n[1];
        } else if (order == DateOrder::DMY) {
            day = n[0];
            month = n[1];
        } else {
            month = n[0];
            day = n[1];
        }
    } else {
        switch (order) {
        case DateOrder::DMY:
            day = n[0], month = n[1], year = n[2], yearDigits = len[2];
            break;
        case DateOrder::MDY:
            month = n[0], day = n[1], year = n[2], yearDigits = len[2];
            break;
        case DateOrder::YMD:
            year = n[0], month = n[1], day = n[2], yearDigits = len[0];
            break;
        }
        year = FullYear(year, yearDigits, fs);
    }
    return TryEncodeDate(year, month, day, value);
}

bool ScanAmPm(Scanner& s, const FormatSettings& fs, int& adjust) {
    adjust = -1;
    s.SkipBlanks();
    const size_t start = s.Pos();
    if (s.Word(fs.TimeAMString) || s.Word("AM") || s.Word("A")) {
        adjust = 0;
        return true;
    }
    s.Reset(start);
    if (s.Word(fs.TimePMString) || s.Word("PM") || s.Word("P")) {
        adjust = 12;
        return true;
    }
    s.Reset(start);
    return false;
}

bool ScanTime(Scanner& s, const FormatSettings& fs, DateTime& value) {
    int ampm = -1;
    ScanAmPm(s, fs, ampm);
    s.SkipBlanks();
    int hour = 0, minute = 0, second = 0, msec = 0, length = 0;
    if (!s.Number(hour, length, 2)) return false;
    s.SkipBlanks();
    if (!s.Char(fs.TimeSeparator)) return false;
    s.SkipBlanks();
    if (!s.Number(minute, length, 2)) return false;
    const size_t afterMinutes = s.Pos();
    s.SkipBlanks();
    if (s.Char(fs.TimeSeparator)) {
        s.SkipBlanks();
        if (!s.Number(second, length, 2)) return false;
        if (s.Char(fs.DecimalSeparator)) {
            if (!s.Number(msec, length, 3)) return false;
            while (length++ < 3) msec *= 10;
        }
    } else {
        s.Reset(afterMinutes);
    }
    if (ampm < 0) ScanAmPm(s, fs, ampm);
    if (ampm >= 0) {
        if (hour == 0 || hour > 12) return false;
        if (hour == 12) hour = 0;
        hour += ampm;
    }
    return TryEncodeTime(hour, minute, second, msec, value);
}

bool ScanEnd(Scanner& s) {
    s.SkipBlanks();
    return s.AtEnd();
}

} // namespace

bool TryEncodeDate(int year, int month, int day, DateTime& result) {
    using namespace std::chrono;
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    const year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                             std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok()) return false;
    result = static_cast<double>((sys_days{ymd} - kEpoch).count());
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, DateTime& result) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 ||
        msec > 999)
        return false;
    result = ((hour * 3600.0 + minute * 60.0 + second) * 1000.0 + msec) / kMSecsPerDay;
    return true;
}

DateTime EncodeDate(int year, int month, int day) {
    DateTime result = 0;
    if (!TryEncodeDate(year, month, day, result)) throw ConvertError("Invalid argument to date encode");
    return result;
}

DateTime EncodeTime(int hour, int minute, int second, int msec) {
    DateTime result = 0;
    if (!TryEncodeTime(hour, minute, second, msec, result))
        throw ConvertError("Invalid argument to time encode");
    return result;
}

DateTime EncodeDateTime(const DateParts& p) {
    const DateTime date = EncodeDate(p.year, p.month, p.day);
    const DateTime time = EncodeTime(p.hour, p.minute, p.second, p.msec);
    return date >= 0 ? date + time : date - time;
}

DateParts DecodeDateTime(DateTime value) {
    using namespace std::chrono;
    DateParts p;
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6) return p;
    long long days = 0;
    long long ms = 0;
    if (value >= 0) {
        const long long total = std::llround(value * kMSecsPerDay);
        days = total / static_cast<long long>(kMSecsPerDay);
        ms = total % static_cast<long long>(kMSecsPerDay);
    } else {
        // Before the epoch the integral part is the day and the fraction, taken
        // positive, the time of that day.
        days = static_cast<long long>(std::trunc(value));
        ms = std::llround(std::fabs(value - std::trunc(value)) * kMSecsPerDay);
        if (ms >= static_cast<long long>(kMSecsPerDay)) ms = static_cast<long long>(kMSecsPerDay) - 1;
    }
    const year_month_day ymd{kEpoch + std::chrono::days{days}};
    p.year = static_cast<int>(ymd.year());
    p.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    p.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    p.hour = static_cast<int>(ms / 3600000);
    p.minute = static_cast<int>(ms / 60000 % 60);
    p.second = static_cast<int>(ms / 1000 % 60);
    p.msec = static_cast<int>(ms % 1000);
    return p;
}

int DayOfWeek(DateTime value) {
    const long long days = static_cast<long long>(std::floor(value));
    // 30 Dec 1899 was a Saturday.
    const long long wd = ((days % 7) + 7 + 6) % 7; // 0 Sunday
    return static_cast<int>(wd) + 1;
}

DateTime Now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const int ms = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000);
    DateTime date = 0, time = 0;
    TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date);
    TryEncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), ms, time);
    return date + time;
}

int CurrentYear() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_year + 1900;
}

int ExpandTwoDigitYear(int twoDigitYear, int currentYear, int window) {
    const int threshold = currentYear - window;
    int year = threshold / 100 * 100 + twoDigitYear;
    if (year < threshold) year += 100;
    return year;
}

std::string FormatDateTime(std::string_view picture, DateTime value, const FormatSettings& fs) {
    std::string out;
    AppendFormatted(out, picture, DecodeDateTime(value), DayOfWeek(value), fs, 0);
    return out;
}

std::string FormatDateTime(std::string_view picture, DateTime value) {
    return FormatDateTime(picture, value, CurrentFormat());
}

std::string DateToStr(DateTime value) { return FormatDateTime(CurrentFormat().ShortDateFormat, value); }
std::string TimeToStr(DateTime value) { return FormatDateTime(CurrentFormat().LongTimeFormat, value); }

bool TryStrToDate(std::string_view text, const FormatSettings& fs, DateTime& value) {
    Scanner s(text);
    DateTime date = 0;
    if (!ScanDate(s, fs, date) || !ScanEnd(s)) return false;
    value = date;
    return true;
}

bool TryStrToTime(std::string_view text, const FormatSettings& fs, DateTime& value) {
    Scanner s(text);
    DateTime time = 0;
    if (!ScanTime(s, fs, time) || !ScanEnd(s)) return false;
    value = time;
    return true;
}

bool TryStrToDateTime(std::string_view text, const FormatSettings& fs, DateTime& value) {
    Scanner s(text);
    DateTime date = 0, time = 0;
    if (ScanDate(s, fs, date)) {
        const size_t afterDate = s.Pos();
        if (ScanEnd(s)) {
            value = date;
            return true;
        }
        s.Reset(afterDate);
        if (!ScanTime(s, fs, time) || !ScanEnd(s)) return false;
        value = date >= 0 ? date + time : date - time;
        return true;
    }
    Scanner timeOnly(text);
    if (!ScanTime(timeOnly, fs, time) || !ScanEnd(timeOnly)) return false;
    value = time;
    return true;
}

DateTime StrToDate(std::string_view text, const FormatSettings& fs) {
    DateTime value = 0;
    if (!TryStrToDate(text, fs, value)) throw ConvertError("'" + std::string(text) + "' is not a valid date");
    return value;
}

DateTime StrToTime(std::string_view text, const FormatSettings& fs) {
    DateTime value = 0;
    if (!TryStrToTime(text, fs, value)) throw ConvertError("'" + std::string(text) + "' is not a valid time");
    return value;
}

DateTime StrToDateTime(std::string_view text, const FormatSettings& fs) {
    DateTime value = 0;
    if (!TryStrToDateTime(text, fs, value))
        throw ConvertError("'" + std::string(text) + "' is not a valid date and time");
    return value;
}

DateTime StrToDate(std::string_view text) { return StrToDate(text, CurrentFormat()); }
DateTime StrToTime(std::string_view text) { return StrToTime(text, CurrentFormat()); }
DateTime StrToDateTime(std::string_view text) { return StrToDateTime(text, CurrentFormat()); }

bool TryParseByPicture(std::string_view text, std::string_view picture, const FormatSettings& fs,
                       DateTime& value) {
    const auto tokens = Tokenise(picture);
    Scanner s(text);
    DateParts p;
    bool haveDate = false, haveYear = false;
    int yearDigits = 4;
    int ampm = -1;
    s.SkipBlanks();
    for (const auto& t : tokens) {
        int length = 0;
        switch (t.element) {
        case Element::Literal:
            for (char c : t.text) {
                if (c == ' ') {
                    s.SkipBlanks();
                } else if (!s.Char(c)) {
                    return false;
                }
            }
            break;
        case Element::DateSep:
            if (!s.Char(fs.DateSeparator)) return false;
            break;
        case Element::TimeSep:
            if (!s.Char(fs.TimeSeparator)) return false;
            break;
        case Element::Day:
            if (t.count <= 2) {
                if (!s.Number(p.day, length, 2)) return false;
                haveDate = true;
            } else {
                bool matched = false;
                for (size_t i = 0; i < 7 && !matched; ++i)
                    matched = s.Word(t.count == 3 ? kShortDayNames[i] : kLongDayNames[i]);
                if (!matched) return false;
            }
            break;
        case Element::Month:
            if (t.count <= 2) {
                if (!s.Number(p.month, length, 2)) return false;
            } else {
                bool matched = false;
                for (size_t i = 0; i < 12 && !matched; ++i)
                    if (s.Word(t.count == 3 ? kShortMonthNames[i] : kLongMonthNames[i])) {
                        p.month = static_cast<int>(i) + 1;
                        matched = true;
                    }
                if (!matched) return false;
            }
            haveDate = true;
            break;
        case Element::Year:
            if (!s.Number(p.year, yearDigits, t.count <= 2 ? 2 : 4)) return false;
            haveDate = haveYear = true;
            break;
        case Element::Hour:
            if (!s.Number(p.hour, length, 2)) return false;
            break;
        case Element::Minute:
            if (!s.Number(p.minute, length, 2)) return false;
            break;
        case Element::Second:
            if (!s.Number(p.second, length, 2)) return false;
            break;
        case Element::MSec:
            if (!s.Number(p.msec, length, 3)) return false;
            break;
        case Element::AmPm:
            if (!ScanAmPm(s, fs, ampm)) return false;
            break;
        case Element::ShortDate:
        case Element::LongTime:
        case Element::ShortTime: {
            // Nested pictures: read the rest by the conventions instead.
            return TryStrToDateTime(text, fs, value);
        }
        }
    }
    if (!ScanEnd(s)) return false;
    if (ampm >= 0) {
        if (p.hour == 0 || p.hour > 12) return false;
        p.hour = p.hour % 12 + ampm;
    }
    if (haveYear) p.year = FullYear(p.year, yearDigits, fs);
    DateTime date = 0, time = 0;
    if (haveDate) {
        if (!haveYear) p.year = CurrentYear();
        if (!TryEncodeDate(p.year, p.month, p.day, date)) return false;
    }
    if (!TryEncodeTime(p.hour, p.minute, p.second, p.msec, time)) return false;
    value = date + time;
    return true;
}

} // namespace ombrix
