#include "reader/TextDecoding.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <initializer_list>
#include <optional>

#include "base/Ascii.h"
#include "canvas/Utf8.h"

namespace codelume {
namespace {

constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsOneOf(std::string_view label, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names)
        if (label == name) return true;
    return false;
}

// Latin-1 is read as its superset Windows-1252, as every reader does.
bool IsWindows1252Label(std::string_view label) {
    return IsOneOf(label, {"windows-1252", "cp1252", "x-cp1252", "iso-8859-1", "iso8859-1",
                           "iso_8859-1", "latin1", "l1", "us-ascii", "ascii", "iso-ir-100",
                           "ibm819", "cp819", "csisolatin1"});
}

// A page that could declare UTF-16 in readable ASCII is not UTF-16.
bool IsUtf8Label(std::string_view label) {
    return IsOneOf(label, {"utf-8", "utf8", "unicode-1-1-utf-8", "utf-16", "utf-16le", "utf-16be"});
}

struct TCharsetAlias {
    std::string_view Label;
    const char* IconvName;
};

// Labels that pages use for the Windows supersets of the East Asian charsets,
// and names that iconv does not know. The C library's own Shift_JIS reads the
// backslash as a yen sign and the tilde as an overline, which would corrupt
// paths and links; its EUC-KR and GB2312 drop the characters that Windows added.
constexpr std::array<TCharsetAlias, 21> CharsetAliases = {{
    {"shift_jis", "CP932"},      {"shift-jis", "CP932"},   {"sjis", "CP932"},
    {"x-sjis", "CP932"},         {"ms_kanji", "CP932"},    {"csshiftjis", "CP932"},
    {"windows-31j", "CP932"},    {"euc-kr", "CP949"},      {"ks_c_5601-1987", "CP949"},
    {"ks_c_5601-1989", "CP949"}, {"ksc5601", "CP949"},     {"ksc_5601", "CP949"},
    {"csksc56011987", "CP949"},  {"windows-949", "CP949"}, {"gb2312", "GBK"},
    {"gb_2312", "GBK"},          {"gb_2312-80", "GBK"},    {"csgb2312", "GBK"},
    {"chinese", "GBK"},          {"x-gbk", "GBK"},         {"x-euc-jp", "EUC-JP"},
}};

// The name under which iconv reads a charset label, itself when no alias applies.
std::string IconvName(const std::string& label) {
    for (const TCharsetAlias& alias : CharsetAliases)
        if (label == alias.Label) return alias.IconvName;
    return label;
}

// Valid sequences stay; each other byte becomes the character `other` gives it.
template <typename TOther>
std::string DecodeBytewise(std::string_view bytes, TOther other) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    for (size_t at = 0; at < bytes.size();) {
        size_t valid = ValidUtf8Prefix(bytes.substr(at));
        text.append(bytes.substr(at, valid));
        at += valid;
        if (at < bytes.size()) AppendUtf8(text, other(static_cast<uint8_t>(bytes[at++])));
    }
    return text;
}

std::string DecodeStrictUtf8(std::string_view bytes) {
    return DecodeBytewise(
        bytes, [](uint8_t byte) -> char32_t { return byte < 0x80 ? byte : ReplacementChar; });
}

std::string DecodeWindows1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    for (char byte : bytes) AppendUtf8(text, Windows1252Char(static_cast<uint8_t>(byte)));
    return text;
}

class TIconv {
public:
    explicit TIconv(const std::string& charset) : Handle(iconv_open("UTF-8", charset.c_str())) {}
    ~TIconv() {
        if (IsOpen()) iconv_close(Handle);
    }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;

    bool IsOpen() const { return Handle != reinterpret_cast<iconv_t>(-1); }
    std::string Decode(std::string_view bytes);

private:
    iconv_t Handle;
    std::array<char, 8192> Buffer;

    // Converts what it can and returns errno of the stop, 0 when all went.
    int Convert(char** in, size_t* inLeft, std::string& text);
};

int TIconv::Convert(char** in, size_t* inLeft, std::string& text) {
    char* out = Buffer.data();
    size_t outLeft = Buffer.size();
    size_t result = iconv(Handle, in, inLeft, &out, &outLeft);
    int error = result == static_cast<size_t>(-1) ? errno : 0;
    text.append(Buffer.data(), out);
    return error;
}

// A byte the charset cannot read shows U+FFFD and reading goes on after it.
std::string TIconv::Decode(std::string_view bytes) {
    std::string text;
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        int error = Convert(&in, &inLeft, text);
        if (error == 0 || error == E2BIG) continue;
        AppendUtf8(text, ReplacementChar);
        if (error != EILSEQ) break;  // a sequence cut off by the end
        ++in;
        --inLeft;
    }
    // Charsets with shift states end in their initial state.
    Convert(nullptr, nullptr, text);
    return text;
}

std::optional<std::string> DecodeAs(std::string_view bytes, std::string_view charset) {
    std::string label = LowerAscii(charset);
    if (IsUtf8Label(label)) return DecodeStrictUtf8(bytes);
    if (IsWindows1252Label(label)) return DecodeWindows1252(bytes);
    // The label itself when the C library lacks the superset.
    for (const std::string& name : {IconvName(label), label}) {
        TIconv decoder(name);
        if (decoder.IsOpen()) return decoder.Decode(bytes);
    }
    return std::nullopt;
}

struct TByteOrderMark {
    std::string_view Mark;
    std::string_view Charset;
};

constexpr std::array<TByteOrderMark, 3> ByteOrderMarks = {
    {{"\xEF\xBB\xBF", "utf-8"}, {"\xFF\xFE", "utf-16le"}, {"\xFE\xFF", "utf-16be"}}};

}  // namespace

char32_t Windows1252Char(uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? Cp1252High[byte - 0x80u] : byte;
}

std::string DecodeUndeclared(std::string_view bytes) {
    return DecodeBytewise(bytes, Windows1252Char);
}

std::string DecodeDocument(std::string_view bytes, TTextKind kind) {
    for (const TByteOrderMark& bom : ByteOrderMarks) {
        if (!bytes.starts_with(bom.Mark)) continue;
        bytes.remove_prefix(bom.Mark.size());
        if (bom.Charset == "utf-8") return DecodeStrictUtf8(bytes);
        TIconv decoder(std::string(bom.Charset));
        if (decoder.IsOpen()) return decoder.Decode(bytes);
    }
    if (kind == TTextKind::tkHtml) {
        std::string declared = DeclaredCharset(bytes);
        if (!declared.empty())
            if (std::optional<std::string> text = DecodeAs(bytes, declared)) return *text;
    }
    return DecodeUndeclared(bytes);
}

}  // namespace codelume
