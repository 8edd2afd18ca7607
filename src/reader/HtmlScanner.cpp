#include "reader/HtmlScanner.h"

#include <algorithm>

#include "base/Ascii.h"
#include "canvas/Utf8.h"
#include "reader/SymbolTables.h"

namespace codelume {
namespace {

constexpr size_t MaxEntityNameLength = 7;
constexpr size_t MaxScriptTagLetters = 7;

// Tags whose start form stores its attributes in the reader's list.
const TSymbolSet AttributeTags =
    Symbols({BodySy,     PSy,        BRSy,     HSy,      HRSy,     BaseSy,     OLSy,      ULSy,
             ImgSy,      ASy,        TableSy,  TDSy,     TRSy,     THSy,       CaptionSy, InputSy,
             FormSy,     TextAreaSy, SelectSy, OptionSy, FontSy,   BaseFontSy, MapSy,     AreaSy,
             FrameSetSy, FrameSy,    ScriptSy, DivSy,    BgSoundSy});

// Symbols that end the suppression of a further paragraph space.
const TSymbolSet ContentSymbols =
    Symbols({BRSy, HSy, HRSy, ImgSy, TableSy, InputSy, TextAreaSy, SelectSy, TextSymbol});

bool IsLetter(char upper) { return upper >= 'A' && upper <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a digit in base 10 or 16, or -1 for any other character.
int DigitValue(char c, int base) {
    if (IsDigit(c)) return c - '0';
    char upper = UpperAscii(c);
    if (base == 16 && upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
    return -1;
}

constexpr char32_t BeyondUnicode = 0x110000;

// Appends the character a numeric reference stands for; false when the code
// is a control character that is no reference. A tab or a carriage return is
// white space and shows as one space. The codes 128 to 159 name the characters
// Windows-1252 puts there, as pages written on that charset mean them.
bool AppendReferencedChar(std::string& text, char32_t code) {
    if (code == 9 || code == 13) code = ' ';
    if (code != 0 && code < 32 && code != 10) return false;
    if (code >= 128 && code < 160) code = Windows1252Char(static_cast<uint8_t>(code));
    if (code == 0) code = ReplacementChar;
    AppendUtf8(text, code);
    return true;
}

// A character that a text run collects: a line end, or any byte from 32 up
// other than the three that start markup.
bool IsTextChar(char c) {
    if (c == '\r') return true;
    return static_cast<uint8_t>(c) >= 32 && c != '&' && c != '<' && c != '>';
}

// A character that reading leaves as it is and that ends no run of text or
// raw content: neither a space, a control, a line end nor markup.
bool IsPlainChar(char c) { return c != ' ' && IsTextChar(c) && c != '\r'; }

// A source byte that NextChar hands out as it is: no control (line ends, tabs
// and the end mark among them) and no '<', which may open a comment.
bool PassesUnchanged(char c) { return static_cast<uint8_t>(c) >= 32 && c != '<'; }

bool IsLetterChar(char c, size_t /*taken*/) { return IsLetter(UpperAscii(c)); }

}  // namespace

THtmlScanner::THtmlScanner(std::unique_ptr<TByteSource> source, TIncludeType onInclude,
                           TTextKind kind)
    : Text(DecodeDocument(source->ReadAll(), kind)), OnInclude(std::move(onInclude)) {}

char THtmlScanner::ReadSourceChar() {
    if (InInclude) {
        if (IncludePosition < IncludeBlock.size()) return IncludeBlock[IncludePosition++];
        InInclude = false;
    }
    return TextPosition < Text.size() ? Text[TextPosition++] : EndOfSource;
}

// Takes at once the source bytes after the current character that `take`
// accepts, as one NextChar after another would hand them out: only bytes that
// pass unchanged, and none while a character is pushed back or an include
// block is read. `take` gets each byte and the number taken before it.
template <typename TTake>
std::string_view THtmlScanner::TakeAhead(TTake take) {
    if (PushedBackCh != 0 || InInclude) return {};
    std::string_view ahead = std::string_view(Text).substr(TextPosition);
    size_t count = 0;
    while (count < ahead.size() && PassesUnchanged(ahead[count]) && take(ahead[count], count))
        ++count;
    TextPosition += count;
    return ahead.substr(0, count);
}

void THtmlScanner::ReadChar() {
    char c = PushedBackCh;
    if (c != 0)
        PushedBackCh = 0;
    else
        c = ReadSourceChar();
    if (c == '\n' || c == '\r') {
        // CR, LF, CR LF and LF CR each make one carriage return.
        char second = ReadSourceChar();
        if (second != (c == '\n' ? '\r' : '\n')) PushedBackCh = second;
        c = '\r';
    }
    CurIsTab = c == '\t';
    if (CurIsTab) c = ' ';
    CurCh = c;
    UpCh = UpperAscii(c);
    if (CurCh == EndOfSource && InComment) RaiseError();
}

void THtmlScanner::NextChar() {
    while (true) {
        InComment = false;
        ReadChar();
        if (UpCh != '<' || NoComments) return;
        char peek = ReadSourceChar();
        if (peek != '!') {
            PushedBackCh = peek;
            return;
        }
        InComment = true;
        SkipCommentOrDeclaration();
    }
}

void THtmlScanner::SkipCommentOrDeclaration() {
    ReadChar();
    if (UpCh == '-') {
        ReadChar();
        if (UpCh == '-') {
            ReadChar();
            if (OnInclude && UpCh == '#' && !InInclude)
                ParseInclude();
            else
                SkipCommentBody();
            return;
        }
    }
    while (UpCh != '>') ReadChar();
}

// A comment ends at two or more hyphens, optional blanks and '>'.
void THtmlScanner::SkipCommentBody() {
    while (true) {
        while (UpCh != '-') {
            TakeAhead([](char c, size_t) { return c != '-'; });
            ReadChar();
        }
        ReadChar();
        if (UpCh != '-') continue;
        while (UpCh == '-') ReadChar();
        while (UpCh == ' ' || UpCh == '\r') ReadChar();
        if (UpCh == '>') return;
    }
}

void THtmlScanner::ParseInclude() {
    ReadChar();
    std::string command;
    while (IsLetter(UpCh)) {
        command += CurCh;
        ReadChar();
    }
    std::vector<std::string> params;
    TParsedAttribute attribute;
    while (ReadAttribute(attribute))
        params.push_back(attribute.Name + "=\"" + attribute.Text + "\"");
    InComment = true;
    SkipCommentBody();
    std::string block = OnInclude(command, params);
    if (block.empty()) return;
    IncludeBlock = DecodeUndeclared(block);
    IncludePosition = 0;
    InInclude = true;
}

void THtmlScanner::RaiseError() const { throw EParseError("Open Comment at End of HTML File"); }

void THtmlScanner::SkipSpaces() {
    while (CurCh == ' ' || CurCh == '\r') NextChar();
}

void THtmlScanner::AppendToken(char c) {
    if (Token.size() < MaxTokenLength) Token += c;
}

void THtmlScanner::NextSymbol() {
    Token.clear();
    if (OpenCommentAtEnd) RaiseError();
    if (CurCh == EndOfSource) {
        Sym = EofSymbol;
    } else if (!ReadTag() && !ReadEntity() && !ReadTextRun()) {
        Sym = OtherCharSymbol;
        Token = CurCh;
        NextChar();
    }
    if (AfterParagraphSpace && ContentSymbols.test(Sym)) AfterParagraphSpace = false;
}

bool THtmlScanner::ReadTag() {
    if (UpCh != '<') return false;
    NextChar();
    TTagForm form = TTagForm::tfStart;
    if (UpCh == '/') {
        form = TTagForm::tfEnd;
        NextChar();
    } else if (!IsLetter(UpCh)) {
        Sym = TextSymbol;
        Token = "<";
        return true;
    }
    while (IsLetter(UpCh)) {
        AppendToken(UpCh);
        for (char c : TakeAhead(IsLetterChar)) AppendToken(UpperAscii(c));
        NextChar();
    }
    Sym = LookupTag(Token, form);
    SkipSpaces();
    ReadHeadingLevel();
    ReadTagAttributes(form);
    while (UpCh != '>' && CurCh != EndOfSource) {
        TakeAhead([](char c, size_t) { return c != '>'; });
        NextChar();
    }
    NextChar();
    return true;
}

void THtmlScanner::ReadHeadingLevel() {
    HeadingLevel = 0;
    if ((Sym == HSy || Sym == HEndSy) && UpCh >= '1' && UpCh <= '6') {
        HeadingLevel = UpCh - '0';
        NextChar();
    }
}

// Tags outside AttributeTags read their attributes too, but drop them, so
// the list keeps the attributes of the last tag that stores them. The first
// ID of any start tag is kept apart, whatever the tag.
void THtmlScanner::ReadTagAttributes(TTagForm form) {
    bool keep = AttributeTags.test(Sym);
    if (keep) Attributes.Clear();
    bool idSeen = form != TTagForm::tfStart;
    TParsedAttribute attribute;
    while (ReadAttribute(attribute)) {
        if (keep) Attributes.Add(attribute.Kind, attribute.Value, attribute.Text);
        if (attribute.Kind != IdSy || idSeen) continue;
        idSeen = true;
        if (!attribute.Text.empty()) TagIds.push_back(attribute.Text);
    }
}

bool THtmlScanner::ReadAttribute(TParsedAttribute& attribute) {
    SkipSpaces();
    if (!IsLetter(UpCh)) return false;
    attribute.Name.clear();
    while (IsLetter(UpCh)) {
        attribute.Name += UpCh;
        for (char c : TakeAhead(IsLetterChar)) attribute.Name += UpperAscii(c);
        NextChar();
    }
    attribute.Kind = LookupAttribute(attribute.Name);
    SkipSpaces();
    attribute.Text.clear();
    // A bare BORDER means a border of 1.
    attribute.Value = attribute.Kind == BorderSy ? 1 : 0;
    if (UpCh != '=') return true;
    NextChar();
    SkipSpaces();
    if (UpCh == '"' || UpCh == '\'')
        ReadQuotedValue(attribute);
    else if (UpCh == '+' || UpCh == '-' || IsDigit(UpCh))
        ReadNumberValue(attribute);
    else
        ReadBareValue(attribute);
    return true;
}

void THtmlScanner::ReadQuotedValue(TParsedAttribute& attribute) {
    char quote = CurCh;
    std::string text;
    NextChar();
    while (CurCh != quote && CurCh != EndOfSource) {
        if (CurCh == '\r') {
            NextChar();  // line ends inside quoted values vanish
        } else if (CurCh == '&') {
            text += ReadReference();
        } else {
            text += CurCh;
            NextChar();
        }
    }
    if (CurCh == quote) NextChar();
    attribute.Text = TrimControls(text);
    std::string_view number = attribute.Text;
    if (size_t percent = number.find('%');
        percent != std::string_view::npos && percent + 1 == number.size())
        number.remove_suffix(1);
    attribute.Value = ParseDecimal(number).value_or(0);
}

void THtmlScanner::ReadNumberValue(TParsedAttribute& attribute) {
    std::string text;
    if (CurCh == '+' || CurCh == '-') {
        text += CurCh;
        NextChar();
    }
    while (CurCh != ' ' && CurCh != '\r' && CurCh != EndOfSource && CurCh != '%' && CurCh != '>') {
        text += UpCh;
        NextChar();
    }
    SkipSpaces();
    attribute.Value = ParseDecimal(text).value_or(0);
    if (CurCh == '%') {
        text += '%';
        NextChar();
    }
    attribute.Text = std::move(text);
}

void THtmlScanner::ReadBareValue(TParsedAttribute& attribute) {
    while (CurCh != ' ' && CurCh != '\r' && CurCh != EndOfSource && CurCh != '>') {
        attribute.Text += CurCh;
        attribute.Text += TakeAhead([](char c, size_t) { return c != ' ' && c != '>'; });
        NextChar();
    }
}

bool THtmlScanner::ReadEntity() {
    if (UpCh != '&') return false;
    Sym = TextSymbol;
    Token = ReadReference();
    return true;
}

// Reads a character reference from its '&': the decoded character, or the
// text as typed when it is no reference.
std::string THtmlScanner::ReadReference() {
    NextChar();
    if (UpCh != '#') return ReadNamedReference();
    NextChar();
    return ReadNumericReference();
}

std::string THtmlScanner::ReadNumericReference() {
    std::string typed = "&#";
    int base = 10;
    if (UpCh == 'X') {
        base = 16;
        typed += CurCh;
        NextChar();
    }
    size_t digitsStart = typed.size();
    char32_t code = 0;
    for (int digit; (digit = DigitValue(CurCh, base)) >= 0; NextChar()) {
        typed += CurCh;
        // Past the last code point the value stops growing, so it cannot overflow.
        code = std::min<char32_t>(code * static_cast<char32_t>(base) + static_cast<char32_t>(digit),
                                  BeyondUnicode);
    }
    bool semicolon = CurCh == ';';
    if (semicolon) NextChar();
    std::string text;
    if (typed.size() == digitsStart || !AppendReferencedChar(text, code))
        return typed + (semicolon ? ";" : "");
    return text;
}

std::string THtmlScanner::ReadNamedReference() {
    std::string name;
    while (IsDigit(UpCh) || IsLetter(UpCh)) {
        name += CurCh;
        NextChar();
        // Names stop at seven characters unless that would cut a known one.
        if (name.size() >= MaxEntityNameLength && !StartsLongerEntity(name)) {
            if (!LookupEntity(name)) return "&" + name;
            break;
        }
    }
    bool semicolon = CurCh == ';';
    if (semicolon) NextChar();
    std::optional<char32_t> code = LookupEntity(name);
    if (!code) return "&" + name + (semicolon ? ";" : "");
    std::string text;
    AppendUtf8(text, *code);
    return text;
}

// Text read before a comment left open at the end of the input is kept: the
// run ends there, and the error comes with the next symbol.
bool THtmlScanner::ReadTextRun() {
    try {
        ReadTextChars();
    } catch (const EParseError&) {
        if (Token.empty()) throw;
        OpenCommentAtEnd = true;
    }
    if (Token.empty()) return false;
    Sym = TextSymbol;
    return true;
}

// A run ends at a character start, so that no character is split between two runs.
void THtmlScanner::ReadTextChars() {
    while (IsTextChar(CurCh) && (Token.size() < MaxRunLength || IsUtf8Continuation(CurCh))) {
        if (!InPre && (CurCh == ' ' || CurCh == '\r')) {
            Token += ' ';
            SkipSpaces();
        } else {
            Token += CurCh;
            TakePlainChars();
            NextChar();
        }
    }
}

// Moves the plain characters that follow the current one in the source into
// Token at once, as one NextChar after another would, up to the run length
// and the end of the character there.
void THtmlScanner::TakePlainChars() {
    size_t room = MaxRunLength > Token.size() ? MaxRunLength - Token.size() : 0;
    Token += TakeAhead([room](char c, size_t taken) {
        return IsPlainChar(c) && (taken < room || IsUtf8Continuation(c));
    });
}

// The end of input and line ends are symbols of their own in text areas and scripts.
bool THtmlScanner::ReadContentBoundary() {
    Token.clear();
    if (CurCh == EndOfSource) {
        Sym = EofSymbol;
        return true;
    }
    if (CurCh != '\r') return false;
    Sym = LineEndSymbol;
    NextChar();
    return true;
}

void THtmlScanner::NextTextAreaSymbol() {
    if (ReadContentBoundary()) return;
    if (CurCh == '<')
        ReadTextAreaTag();
    else if (!ReadEntity())
        ReadRawRun("\r&<");
}

void THtmlScanner::NextScriptSymbol() {
    if (ReadContentBoundary()) return;
    if (CurCh == '<')
        ReadScriptTag();
    else
        ReadRawRun("\r<");
}

// Inside a text area every tag is text except the area's own end tag.
void THtmlScanner::ReadTextAreaTag() {
    Token = "<";
    NextChar();
    Sym = UnknownTagSymbol;
    bool full = false;
    while (CurCh != '\r' && CurCh != ' ' && CurCh != '>' && CurCh != EndOfSource) {
        // The bytes of a character that went in follow it past the limit.
        if (!IsUtf8Continuation(CurCh)) full = Token.size() >= MaxTokenLength;
        if (!full) Token += CurCh;
        NextChar();
    }
    if (LowerAscii(Token) == "</textarea") Sym = TextAreaEndSy;
}

void THtmlScanner::ReadScriptTag() {
    Token = "<";
    NextChar();
    Sym = UnknownTagSymbol;
    for (size_t i = 0; i < MaxScriptTagLetters && (UpCh == '/' || IsLetter(UpCh)); ++i) {
        Token += CurCh;
        NextChar();
    }
    if (CurCh == '>') {
        Token += '>';
        NextChar();
    }
    if (LowerAscii(Token) == "</script>") Sym = ScriptEndSy;
}

// Text without whitespace folding up to a stop character, the end or 100 bytes.
void THtmlScanner::ReadRawRun(std::string_view stops) {
    while ((Token.size() < MaxRunLength || IsUtf8Continuation(CurCh)) && CurCh != EndOfSource &&
           stops.find(CurCh) == std::string_view::npos) {
        Token += CurCh;
        TakePlainChars();
        NextChar();
    }
    Sym = TextSymbol;
}

}  // namespace codelume
