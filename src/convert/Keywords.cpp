#include "convert/Keywords.h"

namespace codelume {
namespace {

constexpr std::string_view PascalWords[] = {
    "absolute",     "abstract",
    "and",          "array",
    "as",           "asm",
    "assembler",    "at",
    "automated",    "begin",
    "case",         "cdecl",
    "class",        "const",
    "constructor",  "contains",
    "default",      "destructor",
    "dispid",       "dispinterface",
    "div",          "do",
    "downto",       "dynamic",
    "else",         "end",
    "except",       "exports",
    "external",     "file",
    "finalization", "finally",
    "for",          "forward",
    "function",     "goto",
    "if",           "implementation",
    "in",           "index",
    "inherited",    "initialization",
    "inline",       "interface",
    "is",           "label",
    "library",      "message",
    "mod",          "nil",
    "nodefault",    "not",
    "object",       "of",
    "on",           "or",
    "override",     "packed",
    "pascal",       "private",
    "procedure",    "program",
    "property",     "protected",
    "public",       "published",
    "raise",        "read",
    "record",       "register",
    "repeat",       "requires",
    "resident",     "set",
    "shl",          "shr",
    "stdcall",      "stored",
    "string",       "then",
    "threadvar",    "to",
    "try",          "type",
    "unit",         "until",
    "uses",         "var",
    "virtual",      "while",
    "with",         "write",
    "xor",
};

constexpr std::string_view FormWords[] = {"object", "end"};

// The longest entry of either table; a longer word matches nothing.
constexpr size_t LongestWord = 14;
static_assert(LongestWord < 16, "word lengths are bits of a 16-bit mask");

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// Keywords are short: a plain loop beats a call of memcmp. The entry is
// lower case, the word is folded on the way.
bool SameWord(std::string_view entry, std::string_view word) {
    if (entry.size() != word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (entry[i] != LowerAscii(word[i])) return false;
    return true;
}

}  // namespace

constinit const TKeywordTable PascalKeywords{PascalWords};
constinit const TKeywordTable FormKeywords{FormWords};

// A linear scan, first match wins, over the entries that share the word's
// first letter and could have its length.
int32_t TKeywordTable::IndexOf(std::string_view word) const {
    if (word.empty() || word.size() > LongestWord) return -1;
    auto first = static_cast<uint8_t>(LowerAscii(word[0]));
    if (first >= 128) return -1;
    const TRange& range = ByFirstLetter[first];
    if ((range.Lengths & (1u << word.size())) == 0) return -1;
    for (size_t i = range.First; i < range.End; ++i)
        if (SameWord(Words[i], word)) return static_cast<int32_t>(i);
    return -1;
}

}  // namespace codelume
