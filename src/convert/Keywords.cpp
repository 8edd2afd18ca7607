#include "convert/Keywords.h"

namespace codelume {
namespace {

constexpr std::string_view PascalWords[] = {
    "absolute", "abstract", "and", "array", "as", "asm", "assembler", "at", "automated",
    "begin", "case", "cdecl", "class", "const", "constructor", "contains", "default",
    "destructor", "dispid", "dispinterface", "div", "do", "downto", "dynamic", "else", "end",
    "except", "exports", "external", "file", "finalization", "finally", "for", "forward",
    "function", "goto", "if", "implementation", "in", "index", "inherited", "initialization",
    "inline", "interface", "is", "label", "library", "message", "mod", "nil", "nodefault",
    "not", "object", "of", "on", "or", "override", "packed", "pascal", "private", "procedure",
    "program", "property", "protected", "public", "published", "raise", "read", "record",
    "register", "repeat", "requires", "resident", "set", "shl", "shr", "stdcall", "stored",
    "string", "then", "threadvar", "to", "try", "type", "unit", "until", "uses", "var",
    "virtual", "while", "with", "write", "xor",
};

constexpr std::string_view FormWords[] = {"object", "end"};

// The longest entry of either table; a longer word matches nothing.
constexpr size_t LongestWord = 14;

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

}  // namespace

constinit const TKeywordTable PascalKeywords{PascalWords};
constinit const TKeywordTable FormKeywords{FormWords};

// A linear scan, first match wins. The word is folded to lower case once;
// the entries are lower case already.
int32_t TKeywordTable::IndexOf(std::string_view word) const {
    if (word.size() > LongestWord) return -1;
    char folded[LongestWord];
    for (size_t i = 0; i < word.size(); ++i) folded[i] = LowerAscii(word[i]);
    std::string_view key(folded, word.size());
    for (size_t i = 0; i < Words.size(); ++i)
        if (Words[i] == key) return static_cast<int32_t>(i);
    return -1;
}

}  // namespace codelume
