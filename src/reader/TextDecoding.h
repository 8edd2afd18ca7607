// A document's bytes in the engine's one encoding, UTF-8. The charset comes
// from a byte-order mark, then (for HTML) from a META declaration in the head,
// then from the bytes themselves; the C library's iconv decodes what it knows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace codelume {

enum class TTextKind { tkHtml, tkPlainText };

std::string DecodeDocument(std::string_view bytes, TTextKind kind);

// Bytes of no declared charset: kept when they are UTF-8; otherwise valid
// UTF-8 sequences stay and every other byte is read as Windows-1252, so that a
// page mixing both (a source file with comments of both kinds) loses nothing.
std::string DecodeUndeclared(std::string_view bytes);

// The character a Windows-1252 byte stands for; the five bytes that charset
// leaves unassigned stand for the control characters of the same code.
char32_t Windows1252Char(uint8_t byte);

// The charset that the first META of the head declares, as written; empty when none does.
std::string DeclaredCharset(std::string_view bytes);

}  // namespace codelume
