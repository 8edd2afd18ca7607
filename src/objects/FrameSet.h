// The structure of a frame-set document: nested sets that divide their room
// into ROWS and COLS, and the frames that fill the divisions. A set owns its
// children; the master set also holds what the frame viewer hands to scripts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/Attributes.h"
#include "document/SectionList.h"

namespace codelume {

class TFrameSet;

// One entry of a ROWS or COLS list: "100", "25%" or "2*".
struct TFrameSize {
    enum class TUnit : uint8_t { Pixels, Percent, Relative };
    TUnit Unit = TUnit::Relative;
    int32_t Value = 1;
    bool operator==(const TFrameSize&) const = default;
};

// A list longer than MaxFrameSizes keeps its first entries.
constexpr size_t MaxFrameSizes = 1000;
std::vector<TFrameSize> ParseFrameSizes(std::string_view text);

struct TFrameInfo {
    std::string Url;     // SRC as the tag gives it
    std::string Source;  // SRC, taken relative to the folder of the frame-set document
    std::string Name;
    std::string Scrolling;
    int32_t MarginWidth = -1;  // -1 when the tag gives none
    int32_t MarginHeight = -1;
    bool NoResize = false;
};

class TSubFrameSet {
public:
    explicit TSubFrameSet(TFrameSet& master) : MasterSet(master) {}
    virtual ~TSubFrameSet() = default;

    // ROWS, COLS and the border attributes FRAMEBORDER, BORDER and BORDERCOLOR.
    void ReadAttributes(const TAttributeList& attributes);
    TSubFrameSet& AddChildSet();
    void AddFrame(const TAttributeList& attributes, const std::string& documentPath);
    // Every division the rows and columns make without a child is left empty.
    void ChildrenComplete();

    // A child is a frame or a nested set, in document order.
    struct TChild {
        std::unique_ptr<TFrameInfo> Frame;
        std::unique_ptr<TSubFrameSet> Set;
    };

    TFrameSet& MasterSet;
    std::vector<TFrameSize> Rows;
    std::vector<TFrameSize> Cols;
    // None, or -1, when the tag does not say: the enclosing set's choice holds.
    std::optional<bool> FrameBorder;
    int32_t BorderSize = -1;
    std::optional<TColor> BorderColor;
    std::vector<TChild> Children;
    bool Complete = false;
    int32_t EmptyDivisions = 0;
};

class TFrameSet : public TSubFrameSet {
public:
    TFrameSet() : TSubFrameSet(*this) {}

    TScriptEvent OnScript;  // the frame viewer's script handler
    std::string Title;
    std::string Base;
    std::string BaseTarget;
};

}  // namespace codelume
