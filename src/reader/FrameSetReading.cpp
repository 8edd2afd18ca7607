// The frame-set scans. They read with a reader of their own over a scratch
// document, since a frame-set document shows no blocks.
#include "reader/FrameSetReading.h"

#include "document/AnchorIndex.h"
#include "document/SectionList.h"
#include "reader/SymbolTables.h"

namespace codelume {
namespace {

// Sets nested deeper than this read their FRAMESET tags as unknown ones, so
// that a hostile page cannot exhaust the stack.
constexpr int32_t MaxFrameSetNesting = 16;

// The tags of body content: a document that has them before a FRAMESET is no frame set.
const TSymbolSet& BodyContentTags() {
    static const TSymbolSet set = Symbols({BodySy, PSy, HSy, HRSy, OLSy, ULSy, DirSy, MenuSy, DLSy,
                                           AddressSy, BlockQuoteSy, PreSy, ImgSy, TableSy, FormSy});
    return set;
}

class TFrameSetScan {
public:
    TFrameSetScan(std::unique_ptr<TByteSource> source, TIncludeType onInclude,
                  TSoundType onSoundRequest, std::string documentPath)
        : Reader(Scratch, Anchors, std::move(source), std::move(onInclude),
                 std::move(onSoundRequest)),
          DocumentPath(std::move(documentPath)) {}

    bool IsFrameSet();
    bool ReadInto(TFrameSet& frameSet);

private:
    void SkipNoFrames();
    void ParseFrameSet(TSubFrameSet& set, int32_t depth);
    void Start() {
        Reader.NextChar();
        Reader.NextSymbol();
    }

    TSectionList Scratch;
    TAnchorIndex Anchors;
    THtmlReader Reader;
    std::string DocumentPath;
};

bool TFrameSetScan::IsFrameSet() {
    for (Start(); Reader.Sym != EofSymbol && !BodyContentTags().test(Reader.Sym);
         Reader.NextSymbol()) {
        if (Reader.Sym == FrameSetSy) return true;
        if (Reader.Sym == ScriptSy) Reader.ParseScript({});
    }
    return false;
}

bool TFrameSetScan::ReadInto(TFrameSet& frameSet) {
    bool found = false;
    Start();
    while (Reader.Sym != EofSymbol && !BodyContentTags().test(Reader.Sym)) {
        switch (Reader.Sym) {
            case TitleSy:
                Reader.ParseTitle();
                continue;
            case BaseSy:
                Reader.ParseBase();
                continue;
            case BgSoundSy:
                Reader.ParseSound();
                continue;
            case FrameSetSy:
                ParseFrameSet(frameSet, 1);
                found = true;
                break;
            case NoFramesSy:
                SkipNoFrames();
                break;
            case ScriptSy:
                Reader.ParseScript(frameSet.OnScript);
                break;
            default:
                break;
        }
        Reader.NextSymbol();
    }
    frameSet.Title = Reader.Title;
    frameSet.Base = Reader.Base;
    frameSet.BaseTarget = Reader.BaseTarget;
    return found;
}

// Leaves the NOFRAMES end symbol current.
void TFrameSetScan::SkipNoFrames() {
    while (Reader.Sym != NoFramesEndSy && Reader.Sym != EofSymbol) Reader.NextSymbol();
}

// Each pass ends with the symbol after the one it handled; a nested set, a
// NOFRAMES block and a script each leave their end symbol for that step.
void TFrameSetScan::ParseFrameSet(TSubFrameSet& set, int32_t depth) {
    set.ReadAttributes(Reader.Attributes);
    Reader.NextSymbol();
    while (Reader.Sym != FrameSetEndSy && Reader.Sym != EofSymbol) {
        switch (Reader.Sym) {
            case FrameSetSy:
                if (depth < MaxFrameSetNesting) ParseFrameSet(set.AddChildSet(), depth + 1);
                break;
            case FrameSy:
                set.AddFrame(Reader.Attributes, DocumentPath);
                break;
            case NoFramesSy:
                SkipNoFrames();
                break;
            case ScriptSy:
                Reader.ParseScript(set.MasterSet.OnScript);
                break;
            default:
                break;
        }
        Reader.NextSymbol();
    }
    set.ChildrenComplete();
}

// A file that ends inside a comment answers false; other errors go on.
template <typename F>
bool AnswerForFile(F scan) {
    try {
        return scan();
    } catch (const EParseError&) {
        return false;
    }
}

// A read or parse error of a buffer, line list or stream scan answers false;
// a failure of the machine itself, such as running out of memory, propagates.
template <typename F>
bool AnswerForSource(F scan) {
    try {
        return scan();
    } catch (const ECodelumeError&) {
        return false;
    }
}

}  // namespace

// The scans are made inside the answers, since making one reads its source.
bool IsFrameSetDocument(const std::string& fileName, TIncludeType onInclude) {
    return AnswerForFile([&] {
        TFrameSetScan scan(std::make_unique<TFileSource>(fileName), std::move(onInclude), {},
                           fileName);
        return scan.IsFrameSet();
    });
}

bool IsFrameSetDocument(std::unique_ptr<TByteSource> source, TIncludeType onInclude) {
    return AnswerForSource([&] {
        TFrameSetScan scan(std::move(source), std::move(onInclude), {}, {});
        return scan.IsFrameSet();
    });
}

bool ParseFrameSetDocument(TFrameSet& frameSet, const std::string& fileName, TIncludeType onInclude,
                           TSoundType onSoundRequest) {
    return AnswerForFile([&] {
        TFrameSetScan scan(std::make_unique<TFileSource>(fileName), std::move(onInclude),
                           std::move(onSoundRequest), fileName);
        return scan.ReadInto(frameSet);
    });
}

bool ParseFrameSetDocument(TFrameSet& frameSet, std::unique_ptr<TByteSource> source,
                           TIncludeType onInclude, TSoundType onSoundRequest) {
    return AnswerForSource([&] {
        TFrameSetScan scan(std::move(source), std::move(onInclude), std::move(onSoundRequest), {});
        return scan.ReadInto(frameSet);
    });
}

}  // namespace codelume
