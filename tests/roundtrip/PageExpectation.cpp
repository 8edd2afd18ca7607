#include "PageExpectation.h"

namespace codelume {
namespace {

bool IsWhitespace(char c) { return c >= 1 && c <= 32; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool IsNumberTail(char c) {
    return IsDigit(c) || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e';
}

template <typename Predicate>
size_t SkipWhile(std::string_view s, size_t p, Predicate predicate) {
    while (p < s.size() && predicate(s[p])) ++p;
    return p;
}

// Past the first occurrence of close at or after from; the end when there is none.
size_t SkipPast(std::string_view s, size_t from, std::string_view close) {
    size_t found = s.find(close, from);
    return found == std::string_view::npos ? s.size() : found + close.size();
}

// A run of quoted parts and #codes, decoded into text; returns where it stopped.
size_t ScanStringLiteral(std::string_view s, size_t p, std::string& text) {
    while (p < s.size() && (s[p] == '#' || s[p] == '\'')) {
        if (s[p] == '#') {
            size_t end = SkipWhile(s, p + 1, IsDigit);
            unsigned value = 0;
            for (size_t i = p + 1; i < end; ++i)
                value = (value * 10 + static_cast<unsigned>(s[i] - '0')) & 0xFFu;
            text += static_cast<char>(value);
            p = end;
            continue;
        }
        for (++p; p < s.size(); ++p) {
            if (s[p] != '\'') {
                text += s[p];
                continue;
            }
            if (p + 1 < s.size() && s[p + 1] == '\'') {
                text += '\'';
                ++p;
                continue;
            }
            break;
        }
        ++p;
    }
    return p;
}

std::string EncodeStringLiteral(std::string_view text) {
    if (text.empty()) return "''";
    std::string out;
    bool quoted = false;
    for (char c : text) {
        bool control = static_cast<unsigned char>(c) < 32;
        // A quote opens before the first printable byte of a run and closes before a code.
        if (control == quoted) out += '\'';
        quoted = !control;
        if (control)
            out += "#" + std::to_string(static_cast<unsigned char>(c));
        else
            out += c == '\'' ? std::string("''") : std::string(1, c);
    }
    if (quoted) out += '\'';
    return out;
}

// The end of the token that starts at p (a byte above 32).
size_t ScanToken(std::string_view s, size_t p) {
    char c = s[p];
    std::string_view rest = s.substr(p);
    if (c == '{') return SkipPast(s, p, "}");
    if (rest.starts_with("(*")) return SkipPast(s, p + 2, "*)");
    if (rest.starts_with("//")) return std::min(s.find_first_of("\r\n", p), s.size());
    if (IsLetter(c)) return SkipWhile(s, p + 1, [](char b) { return IsLetter(b) || IsDigit(b); });
    if (c == '$') return SkipWhile(s, p + 1, IsHexDigit);
    if (c == '-' || IsDigit(c)) return SkipWhile(s, SkipWhile(s, p + 1, IsDigit), IsNumberTail);
    return p + 1;
}

// What the whitespace between two tokens becomes.
std::string GapText(std::string_view gap) {
    size_t lastFeed = gap.rfind('\n');
    if (lastFeed == std::string_view::npos) return std::string(gap.size(), ' ');
    std::string out;
    for (char c : gap)
        if (c == '\n') out += "\r\n";
    return out + std::string(gap.size() - lastFeed - 1, ' ');
}

// The line end at p, CR, LF, CR LF or LF CR; returns where the next line starts.
size_t SkipLineEnd(std::string_view s, size_t p) {
    char other = s[p] == '\r' ? '\n' : '\r';
    return p + 1 < s.size() && s[p + 1] == other ? p + 2 : p + 1;
}

void AddPreLine(std::vector<std::string>& lines, std::string& line) {
    lines.push_back(line.empty() ? " " : line);
    line.clear();
}

}  // namespace

std::string ExpectedPageText(std::string_view source) {
    std::string out;
    size_t position = 0;
    while (true) {
        size_t start = SkipWhile(source, position, IsWhitespace);
        if (start == source.size()) return out;
        out += GapText(source.substr(position, start - position));
        if (source[start] == '\'' || source[start] == '#') {
            std::string text;
            position = ScanStringLiteral(source, start, text);
            out += EncodeStringLiteral(text);
        } else {
            position = ScanToken(source, start);
            out += source.substr(start, position - start);
        }
    }
}

std::vector<std::string> ExpectedPreLines(std::string_view pageText) {
    std::vector<std::string> lines{" "};
    std::string line;
    for (size_t p = 0; p < pageText.size();) {
        char c = pageText[p];
        if (c == '\r' || c == '\n') {
            AddPreLine(lines, line);
            p = SkipLineEnd(pageText, p);
            continue;
        }
        if (c != 0 && c != 2 && c != 4) line += c == '\t' ? ' ' : c;
        ++p;
    }
    AddPreLine(lines, line);
    return lines;
}

}  // namespace codelume
