// TNewParser splits a byte stream of Pascal (or form) text into tokens, with
// the line, offset and line start of each. It borrows its stream and owns a
// fixed window of 4096 bytes, refilled between tokens.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/Errors.h"
#include "base/Stream.h"

namespace codelume {

class EParserError : public ECodelumeError {
public:
    using ECodelumeError::ECodelumeError;
};

enum TTokenKind : uint8_t {
    TokEnd = 0,
    TokIdentifier = 1,
    TokString = 2,
    TokInteger = 3,
    TokFloat = 4,
    TokComment = 5,
};

class TNewParser {
public:
    static constexpr int32_t WindowSize = 4096;

    // Reads the first token, so an error in it is raised here.
    explicit TNewParser(TStream& source);
    // Leaves the stream at the first byte of the current token.
    virtual ~TNewParser();
    TNewParser(const TNewParser&) = delete;
    TNewParser& operator=(const TNewParser&) = delete;

    uint8_t ReadToken();

    uint8_t TokenKind() const { return FTokenKind; }
    // The line on which the current token starts.
    int32_t LineNumber() const { return FLineNumber; }
    // The decoded bytes of a string literal (each character code keeps its
    // low 8 bits), else the source bytes of the token.
    std::string TokenText() const;
    // The token's bytes as they stand in the source, without a copy; valid
    // until the next ReadToken.
    std::string_view TokenView() const {
        if (LongToken) return LongText;
        return {reinterpret_cast<const char*>(TokenStart),
                static_cast<size_t>(ScanPos - TokenStart)};
    }
    // The whitespace before the token on its line: from the end of the
    // previous token or from the line's start, whichever is nearer.
    std::string_view SpaceBefore() const;
    // Stream offset of the token (from the position at construction).
    int32_t TokenOffset() const { return FTokenOffset; }
    // How many source bytes the token occupies.
    int32_t TokenLength() const { return FTokenEndOffset - FTokenOffset; }
    // Offset of the first byte of the token's line (after the last line feed before it).
    int32_t TokenLineStart() const { return FTokenLineStart; }
    // The line on which the token ends (later than LineNumber for a comment with line feeds).
    int32_t TokenEndLine() const { return ScanLine; }

    [[noreturn]] void RaiseError(std::string_view message) const;

private:
    enum class TCommentForm { cfBrace, cfParen, cfSlash };

    void SkipWhitespace();
    uint8_t* SkipBlanks(uint8_t* p);
    bool RefillWindow();
    void ReadIntoWindow();
    uint8_t* AfterLastLineFeed() const;
    void BeginToken();
    void EndToken();
    uint8_t ScanSpecial(uint8_t c);
    void ScanString();
    uint8_t* ScanQuoted(uint8_t* p);
    uint8_t* ScanCharCode(uint8_t* p);
    void ScanComment(TCommentForm form, int32_t openerLength);
    uint8_t* ScanCommentPart(TCommentForm form, uint8_t* p);
    void CountLineFeed(const uint8_t* lineFeed);
    int32_t OffsetOf(const uint8_t* p) const;
    bool IsMark(const uint8_t* p) const { return p == MarkPos; }
    [[noreturn]] void RaiseErrorAt(std::string_view message, int32_t line) const;
    [[noreturn]] void RaiseNul() const;

    TStream& Source;
    int32_t WindowOrigin = 0;
    std::unique_ptr<uint8_t[]> Window;
    uint8_t* DataEnd;
    uint8_t* WindowEnd;
    uint8_t* ScanPos;
    uint8_t* MarkPos;
    uint8_t* TokenStart;
    int32_t FLineNumber = 1;
    uint8_t SavedByte = 0;
    uint8_t FTokenKind = TokEnd;
    // The line at ScanPos and the offset at which that line begins.
    int32_t ScanLine = 1;
    int32_t LineStart = 0;
    int32_t FTokenOffset = 0;
    int32_t FTokenEndOffset = 0;
    int32_t FTokenLineStart = 0;
    int32_t SpaceStart = 0;
    // The text of a comment that ran over one or more refills (LongToken true);
    // its capacity is kept, so long comments do not allocate once it has grown.
    std::string LongText;
    std::string LongSpace;
    bool LongToken = false;
};

}  // namespace codelume
