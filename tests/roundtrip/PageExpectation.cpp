#include "PageExpectation.h"

#include "canvas/Utf8.h"
#include "reader/TextDecoding.h"

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

// Past the closing apostrophe of a quoted part that opens at p; '' stays inside.
size_t SkipQuoted(std::string_view s, size_t p) {
    for (++p; p < s.size(); ++p) {
        if (s[p] != '\'') continue;
        if (p + 1 < s.size() && s[p + 1] == '\'') {
            ++p;
            continue;
        }
        return p + 1;
    }
    return p;
}

// The end of a run of quoted parts and #codes (decimal, or hexadecimal after $).
size_t SkipStringLiteral(std::string_view s, size_t p) {
    while (p < s.size() && (s[p] == '#' || s[p] == '\'')) {
        if (s[p] == '\'') {
            p = SkipQuoted(s, p);
            continue;
        }
        bool hex = p + 2 < s.size() && s[p + 1] == '$' && IsHexDigit(s[p + 2]);
        p = hex ? SkipWhile(s, p + 2, IsHexDigit) : SkipWhile(s, p + 1, IsDigit);
    }
    return p;
}

// The page text as it grows, with the column of its last line for the tab stops.
class TPageText {
public:
    explicit TPageText(bool utf8) : Utf8(utf8) {}

    // Token bytes: tabs expanded, a line feed after no CR as CR LF, CR and LF
    // start a line.
    void AddToken(std::string_view token) {
        for (char c : token) {
            if (c == '\t') {
                AddTab();
                continue;
            }
            if (c == '\n' && (Out.empty() || Out.back() != '\r')) Out += '\r';
            Out += c;
            if (c == '\r' || c == '\n')
                Column = 0;
            else if (!Utf8 || (static_cast<unsigned char>(c) & 0xC0) != 0x80)
                ++Column;
        }
    }

    // Whitespace between two tokens: CR LF per line feed, then the last line's
    // whitespace, a tab to its stop and any other byte as one space.
    void AddGap(std::string_view gap) {
        size_t lastFeed = gap.rfind('\n');
        if (lastFeed != std::string_view::npos) {
            for (char c : gap)
                if (c == '\n') Out += "\r\n";
            Column = 0;
            gap.remove_prefix(lastFeed + 1);
        }
        for (char c : gap) {
            if (c == '\t') {
                AddTab();
            } else {
                Out += ' ';
                ++Column;
            }
        }
    }

    std::string Out;

private:
    void AddTab() {
        int spaces = 8 - Column % 8;
        Out.append(static_cast<size_t>(spaces), ' ');
        Column += spaces;
    }

    bool Utf8;
    int Column = 0;
};

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
    TPageText page(IsValidUtf8(source));
    size_t position = 0;
    while (true) {
        size_t start = SkipWhile(source, position, IsWhitespace);
        if (start == source.size()) return page.Out;
        page.AddGap(source.substr(position, start - position));
        bool literal = source[start] == '\'' || source[start] == '#';
        position = literal ? SkipStringLiteral(source, start) : ScanToken(source, start);
        page.AddToken(source.substr(start, position - start));
    }
}

std::vector<std::string> ExpectedPreLines(std::string_view pageBytes) {
    std::string pageText = DecodeUndeclared(pageBytes);
    std::vector<std::string> lines{" "};
    std::string line;
    for (size_t p = 0; p < pageText.size();) {
        char c = pageText[p];
        if (c == '\r' || c == '\n') {
            AddPreLine(lines, line);
            p = SkipLineEnd(pageText, p);
            continue;
        }
        if (c != 0 && c != 2 && c != 4) line += c;
        ++p;
    }
    AddPreLine(lines, line);
    return lines;
}

}  // namespace codelume
