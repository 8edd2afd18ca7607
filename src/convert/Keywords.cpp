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

static_assert(std::size(PascalWords) < TKeywordTable::SlotCount, "a table has a free slot");

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

// One probe finds most words or their absence; a few entries share a slot.
int32_t TKeywordTable::IndexOf(std::string_view word) const {
    if (word.empty()) return -1;
    for (size_t slot = SlotOf(word); Slots[slot] != 0; slot = (slot + 1) % SlotCount) {
        size_t index = Slots[slot] - 1u;
        if (SameWord(Words[index], word)) return static_cast<int32_t>(index);
    }
    return -1;
}

}  // namespace codelume
