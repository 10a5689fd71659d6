#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <utility>

#include "platform/headless/script.h"

namespace tarnwick {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

struct LineError {
    std::string why;
};

// Splits a line into words and double-quoted texts (kept exactly, blanks
// included); "#" outside quotes starts a comment.
std::vector<Token> tokenize(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == '#') break;
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) throw LineError{"missing closing quote"};
            tokens.push_back({std::string(line.substr(i + 1, close - i - 1)), true});
            i = close + 1;
        } else {
            std::size_t end = i;
            while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end])) && line[end] != '"' &&
                   line[end] != '#')
                ++end;
            tokens.push_back({std::string(line.substr(i, end - i)), false});
            i = end;
        }
    }
    return tokens;
}

using Kind = ScriptStep::Kind;

// How each command reads its arguments: 't' a text (quoted or one word),
// 'n' a number, 'k' a key, 'm' a mouse button; optional arguments follow '|'.
struct Command {
    std::string_view name;
    Kind kind;
    std::string_view arguments;
};

constexpr Command commands[] = {
    {"button", Kind::Button, "t"},
    {"menu", Kind::Menu, "tt|tt"},
    {"check", Kind::Check, "n"},
    {"key", Kind::Key, "k"},
    {"type", Kind::Type, "t"},
    {"mouse", Kind::Mouse, "m"},
    {"tick", Kind::Tick, "t"},
    {"file-list", Kind::FileList, "t"},
    {"passes", Kind::Passes, "n"},
    {"until-mode", Kind::UntilMode, "n|n"},
    {"save", Kind::Save, "t"},
    {"expect-caption", Kind::ExpectCaption, "t"},
    {"expect-mode", Kind::ExpectMode, "n"},
    {"expect-message", Kind::ExpectMessage, "t"},
    {"expect-messages", Kind::ExpectMessages, "n"},
    {"expect-file", Kind::ExpectFile, "t"},
    {"expect-pixel", Kind::ExpectPixel, "nnn"},
    {"expect-pages", Kind::ExpectPages, "n"},
};

constexpr long defaultUntilModePasses = 10'000'000;

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

void readArgument(char how, const Token& token, ScriptStep& step) {
    long value = 0;
    switch (how) {
    case 't':
        step.texts.push_back(token.text);
        return;
    case 'n':
        if (token.quoted || !parseScriptNumber(token.text, value)) throw LineError{"not a number: " + quoted(token.text)};
        step.numbers.push_back(value);
        return;
    case 'k':
        value = token.quoted ? -1 : keyCodeByName(token.text);
        if (value < 0) throw LineError{"unknown key " + quoted(token.text)};
        step.numbers.push_back(value);
        return;
    case 'm':
        if (token.text == "left") value = 1;
        else if (token.text == "right") value = 2;
        else throw LineError{"mouse takes left or right, not " + quoted(token.text)};
        step.numbers.push_back(value);
        return;
    }
}

ScriptStep parseLine(const Command& command, const std::vector<Token>& tokens, int line) {
    ScriptStep step{command.kind, line, {}, {}};
    const std::string_view spec = command.arguments;
    const std::size_t required = std::min(spec.find('|'), spec.size());
    const std::size_t most = spec.size() - (required < spec.size() ? 1 : 0);
    const std::size_t given = tokens.size() - 1;
    if (given < required || given > most) {
        throw LineError{std::string(command.name) + " takes " +
                        (required == most ? std::to_string(required)
                                          : std::to_string(required) + " to " + std::to_string(most)) +
                        " argument" + (most == 1 ? "" : "s") + ", not " + std::to_string(given)};
    }
    std::size_t at = 0;
    for (std::size_t i = 1; i < tokens.size(); ++i, ++at) {
        if (spec[at] == '|') ++at;
        readArgument(spec[at], tokens[i], step);
    }
    if (step.kind == Kind::UntilMode && step.numbers.size() == 1) step.numbers.push_back(defaultUntilModePasses);
    if ((step.kind == Kind::Passes || step.kind == Kind::UntilMode) && step.numbers.back() < 0)
        throw LineError{"a number of passes cannot be negative"};
    if (step.kind == Kind::Check && step.numbers[0] < 1) throw LineError{"check boxes are numbered from 1"};
    return step;
}

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

bool ScriptStep::isEvent() const {
    switch (kind) {
    case Kind::Button:
    case Kind::Menu:
    case Kind::Check:
    case Kind::Key:
    case Kind::Type:
    case Kind::Mouse:
    case Kind::Tick:
    case Kind::FileList:
        return true;
    default:
        return false;
    }
}

bool parseScriptNumber(std::string_view text, long& value) {
    int base = 10;
    if (text.size() > 2 && text[0] == '&' && upper(text[1]) == 'H') {
        text.remove_prefix(2);
        base = 16;
        if (text.front() == '-' || text.front() == '+') return false;
    }
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    return !text.empty() && error == std::errc() && stop == end;
}

int keyCodeByName(std::string_view name) {
    static constexpr std::pair<std::string_view, int> named[] = {
        {"Left", 37}, {"Up", 38},     {"Right", 39},  {"Down", 40},   {"Enter", 13},
        {"Escape", 27}, {"Comma", 188}, {"Period", 190}, {"Slash", 191}, {"Quote", 222},
    };
    for (const auto& [keyName, code] : named)
        if (sameIgnoringCase(name, keyName)) return code;
    if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]))) return upper(name[0]);
    long code = 0;
    if (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0])) && parseScriptNumber(name, code) &&
        code <= 0xFFFF)
        return static_cast<int>(code);
    return -1;
}

ParsedScript parseScript(std::string_view text) {
    ParsedScript parsed;
    int line = 0;
    while (!text.empty() || line == 0) {
        ++line;
        const std::size_t newline = text.find('\n');
        std::string_view current = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (!current.empty() && current.back() == '\r') current.remove_suffix(1);
        try {
            const std::vector<Token> tokens = tokenize(current);
            if (tokens.empty()) continue;
            const auto command = std::find_if(std::begin(commands), std::end(commands),
                                              [&](const Command& c) { return c.name == tokens[0].text; });
            if (tokens[0].quoted || command == std::end(commands))
                throw LineError{"unknown command " + quoted(tokens[0].text)};
            parsed.steps.push_back(parseLine(*command, tokens, line));
        } catch (const LineError& error) {
            parsed.errors.push_back({line, error.why});
        }
    }
    return parsed;
}

std::string formatErrors(const std::vector<ScriptError>& errors, std::string_view prefix) {
    std::string text;
    for (const ScriptError& error : errors)
        text += std::string(prefix) + std::to_string(error.line) + ": " + error.why + "\n";
    return text;
}

}  // namespace tarnwick
