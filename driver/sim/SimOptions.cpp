#include "SimOptions.h"

#include <charconv>
#include <string_view>

#include "AnalyserErrors.h"

namespace orvsim {

const char* const kSimUsage =
    R"(usage: orv-analyser-sim [options]

Runs a scripted analyser on a pseudo-terminal pair and prints the port to open
(e.g. /dev/pts/3) on the first line of its output. Ctrl-C ends it.

  --baud 9600|19200     rate the analyser starts at (default 9600); at another rate
                        than the host's it answers noise
  --remote              start in remote operation ("REMOTE?" answers "REMOTE 1")
  --reply LINE=TEXT     answer LINE with TEXT and CR LF
  --fail LINE=CODE      answer LINE with the analyser's error for CODE (100-116),
                        e.g. --fail "C140*=103" answers "FAILED: arg out of range"
  --no-crlf LINE=TEXT   answer LINE with TEXT and no line end
  --garbage LINE[=N]    answer LINE with N bytes of noise (default 64) and CR LF
  --silent LINE         never answer LINE
  --close LINE          close the analyser's end of the line when LINE arrives
  --link PATH           also make PATH a symbolic link to the port
  -v, --verbose         show every line received and every answer on stderr
  -h, --help            show this text

LINE is a whole command line as sent, without its line feed ("C140 3"), or a
prefix ending in '*' ("C140*", "*" for every line). The latest rule that
matches wins over the analyser's own answers.
)";

namespace {

bool SplitAt(std::string_view value, std::string& line, std::string& text) {
    const auto equals = value.find('=');
    if (equals == std::string_view::npos || equals == 0) return false;
    line = value.substr(0, equals);
    text = value.substr(equals + 1);
    return true;
}

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// One option with its value; false with error set when the value is wrong.
bool Apply(std::string_view option, std::string_view value, SimOptions& options,
           std::string& error) {
    std::string line, text;
    if (option == "--baud") {
        const auto baud = Number(value);
        if (!baud || (*baud != 9600 && *baud != 19200)) {
            error = "--baud takes 9600 or 19200";
            return false;
        }
        options.analyser.baud = *baud;
    } else if (option == "--link") {
        options.link = value;
    } else if (option == "--silent" || option == "--close") {
        options.rules.emplace_back(value,
                                   option == "--silent" ? Response::Silence() : Response::HangUp());
    } else if (option == "--garbage") {
        std::size_t length = 64;
        line = value;
        if (SplitAt(value, line, text)) {
            const auto n = Number(text);
            if (!n || *n < 0) {
                error = "--garbage takes LINE=N with a length N";
                return false;
            }
            length = static_cast<std::size_t>(*n);
        }
        options.rules.emplace_back(line, Response::Garbage(length));
    } else if (!SplitAt(value, line, text)) {
        error = std::string(option) + " takes LINE=...";
        return false;
    } else if (option == "--reply") {
        options.rules.emplace_back(line, Response::Line(text));
    } else if (option == "--no-crlf") {
        options.rules.emplace_back(line, Response::Unterminated(text));
    } else { // --fail
        const auto code = Number(text);
        const auto answer = code ? ErrorAnswer(*code) : std::nullopt;
        if (!answer) {
            error = "--fail takes LINE=CODE with a code from 100 to 116";
            return false;
        }
        options.rules.emplace_back(line, Response::Line(*answer));
    }
    return true;
}

bool TakesValue(std::string_view option) {
    for (const std::string_view known :
         {"--baud", "--reply", "--fail", "--no-crlf", "--garbage", "--silent", "--close", "--link"})
        if (option == known) return true;
    return false;
}

} // namespace

std::optional<SimOptions> ParseSimOptions(std::span<const char* const> args, std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        if (option == "--remote") {
            options.analyser.remote = true;
        } else if (option == "-v" || option == "--verbose") {
            options.verbose = true;
        } else if (option == "-h" || option == "--help") {
            options.help = true;
        } else if (TakesValue(option)) {
            if (i + 1 == args.size()) {
                error = std::string(option) + " needs a value";
                return std::nullopt;
            }
            if (!Apply(option, args[++i], options, error)) return std::nullopt;
        } else {
            error = "unknown option " + std::string(option);
            return std::nullopt;
        }
    }
    return options;
}

} // namespace orvsim
