// Finding the charset a page declares before its bytes are decoded: a small
// tag reader over the raw bytes of the head, which any charset a META can be
// read in keeps as ASCII.
#include <algorithm>

#include "base/Ascii.h"
#include "reader/TextDecoding.h"

namespace codelume {
namespace {

constexpr std::string_view Blanks = " \t\r\n\f";

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == ':';
}

struct TMetaAttributes {
    std::string Charset;
    std::string HttpEquiv;
    std::string Content;
};

class TCharsetScan {
public:
    explicit TCharsetScan(std::string_view bytes) : Bytes(bytes) {}
    std::string Run();

private:
    std::string_view Bytes;
    size_t At = 0;

    bool AtEnd() const { return At >= Bytes.size(); }
    bool LooksAt(std::string_view text) const { return Bytes.substr(At).starts_with(text); }
    void SkipPast(std::string_view mark);
    void SkipBlanks();
    std::string ReadName();
    std::string ReadValue();
    TMetaAttributes ReadAttributes();
    void SkipRawText(std::string_view tag);
};

void TCharsetScan::SkipPast(std::string_view mark) {
    size_t found = Bytes.find(mark, At);
    At = found == std::string_view::npos ? Bytes.size() : found + mark.size();
}

void TCharsetScan::SkipBlanks() {
    while (!AtEnd() && (Blanks.find(Bytes[At]) != std::string_view::npos || Bytes[At] == '/')) ++At;
}

std::string TCharsetScan::ReadName() {
    size_t start = At;
    while (!AtEnd() && IsNameChar(Bytes[At])) ++At;
    return LowerAscii(Bytes.substr(start, At - start));
}

std::string TCharsetScan::ReadValue() {
    size_t start = At;
    if (!AtEnd() && (Bytes[At] == '"' || Bytes[At] == '\'')) {
        size_t close = std::min(Bytes.find(Bytes[At], At + 1), Bytes.size());
        At = std::min(close + 1, Bytes.size());
        return std::string(Bytes.substr(start + 1, close - start - 1));
    }
    while (!AtEnd() && Blanks.find(Bytes[At]) == std::string_view::npos && Bytes[At] != '>') ++At;
    return std::string(Bytes.substr(start, At - start));
}

// Reads the attributes of a tag up to and over its '>', keeping those a META
// declares its charset with.
TMetaAttributes TCharsetScan::ReadAttributes() {
    TMetaAttributes meta;
    for (SkipBlanks(); !AtEnd() && Bytes[At] != '>'; SkipBlanks()) {
        std::string name = ReadName();
        if (name.empty()) name = std::string(1, Bytes[At++]);
        SkipBlanks();
        if (AtEnd() || Bytes[At] != '=') continue;
        ++At;
        SkipBlanks();
        std::string value = ReadValue();
        if (name == "charset") meta.Charset = value;
        if (name == "http-equiv") meta.HttpEquiv = LowerAscii(value);
        if (name == "content") meta.Content = value;
    }
    ++At;
    return meta;
}

// Script and style text may hold '<' that starts no tag.
void TCharsetScan::SkipRawText(std::string_view tag) {
    std::string end = "</" + std::string(tag);
    while (!AtEnd()) {
        SkipPast("<");
        if (At > 0 && LowerAscii(Bytes.substr(At - 1, end.size())) == end) return;
    }
}

std::string_view SkipLeadingBlanks(std::string_view text) {
    return text.substr(std::min(text.size(), text.find_first_not_of(Blanks)));
}

std::string Trimmed(std::string_view text) {
    text = SkipLeadingBlanks(text);
    return std::string(text.substr(0, text.find_last_not_of(Blanks) + 1));
}

// The X of "...; charset=X" in a Content-Type value.
std::string CharsetOfContentType(std::string_view content) {
    size_t at = LowerAscii(content).find("charset");
    if (at == std::string::npos) return {};
    std::string_view rest = SkipLeadingBlanks(content.substr(at + 7));
    if (!rest.starts_with('=')) return {};
    rest = SkipLeadingBlanks(rest.substr(1));
    if (rest.starts_with('"') || rest.starts_with('\'')) rest.remove_prefix(1);
    return Trimmed(rest.substr(0, rest.find_first_of(";\"'")));
}

std::string CharsetOf(const TMetaAttributes& meta) {
    if (!meta.Charset.empty()) return Trimmed(meta.Charset);
    if (meta.HttpEquiv != "content-type") return {};
    return CharsetOfContentType(meta.Content);
}

std::string TCharsetScan::Run() {
    for (SkipPast("<"); !AtEnd(); SkipPast("<")) {
        if (LooksAt("!--")) {
            SkipPast("-->");
            continue;
        }
        bool endTag = LooksAt("/");
        if (endTag) ++At;
        std::string name = ReadName();
        if (name.empty()) continue;
        if (endTag ? name == "head" : name == "body") return {};
        TMetaAttributes meta = ReadAttributes();
        if (endTag) continue;
        if (name == "meta")
            if (std::string charset = CharsetOf(meta); !charset.empty()) return charset;
        if (name == "script" || name == "style") SkipRawText(name);
    }
    return {};
}

}  // namespace

std::string DeclaredCharset(std::string_view bytes) { return TCharsetScan(bytes).Run(); }

}  // namespace codelume
