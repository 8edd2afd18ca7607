#include "objects/FrameSet.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "objects/AttributeValues.h"

namespace codelume {

namespace {

TFrameSize FrameSizeOf(std::string_view entry) {
    bool relative = entry.find('*') != std::string_view::npos;
    bool percent = entry.find('%') != std::string_view::npos;
    int64_t value = 0;
    bool any = false;
    for (char c : entry)
        if (std::isdigit(static_cast<unsigned char>(c))) {
            value = std::min<int64_t>(value * 10 + (c - '0'), MaxAttributePixels);
            any = true;
        }
    if (relative) return {TFrameSize::TUnit::Relative, any ? static_cast<int32_t>(value) : 1};
    return {percent ? TFrameSize::TUnit::Percent : TFrameSize::TUnit::Pixels,
            static_cast<int32_t>(value)};
}

// A SRC with a scheme or an absolute path stands as it is.
std::string FrameSource(const std::string& source, const std::string& documentPath) {
    if (source.empty() || source.starts_with('/') || source.find(':') != std::string::npos)
        return source;
    size_t slash = documentPath.rfind('/');
    return slash == std::string::npos ? source : documentPath.substr(0, slash + 1) + source;
}

}  // namespace

std::vector<TFrameSize> ParseFrameSizes(std::string_view text) {
    std::vector<TFrameSize> sizes;
    while (!text.empty() && sizes.size() < MaxFrameSizes) {
        size_t comma = text.find(',');
        sizes.push_back(FrameSizeOf(text.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return sizes;
}

void TSubFrameSet::ReadAttributes(const TAttributeList& attributes) {
    Rows = ParseFrameSizes(TextAttribute(attributes, RowsSy));
    Cols = ParseFrameSizes(TextAttribute(attributes, ColsSy));
    std::string frameBorder = LowerText(attributes, FrameBorderSy, 10);
    if (frameBorder == "no" || frameBorder == "0") FrameBorder = false;
    if (frameBorder == "yes" || frameBorder == "1") FrameBorder = true;
    BorderSize = IntAttribute(attributes, BorderSy, -1, 0, 100);
    BorderColor = ColorAttribute(attributes, BorderColorSy);
}

TSubFrameSet& TSubFrameSet::AddChildSet() {
    Children.push_back({nullptr, std::make_unique<TSubFrameSet>(MasterSet)});
    return *Children.back().Set;
}

void TSubFrameSet::AddFrame(const TAttributeList& attributes, const std::string& documentPath) {
    auto frame = std::make_unique<TFrameInfo>();
    frame->Url = TextAttribute(attributes, SrcSy);
    frame->Source = FrameSource(frame->Url, documentPath);
    frame->Name = TextAttribute(attributes, NameSy);
    frame->Scrolling = LowerText(attributes, ScrollingSy, 10);
    frame->MarginWidth = IntAttribute(attributes, MarginWidthSy, -1, 0, MaxAttributePixels);
    frame->MarginHeight = IntAttribute(attributes, MarginHeightSy, -1, 0, MaxAttributePixels);
    frame->NoResize = attributes.Find(NoResizeSy) != nullptr;
    Children.push_back({std::move(frame), nullptr});
}

void TSubFrameSet::ChildrenComplete() {
    int64_t divisions = static_cast<int64_t>(std::max<size_t>(Rows.size(), 1)) *
                        static_cast<int64_t>(std::max<size_t>(Cols.size(), 1));
    int64_t empty = divisions - static_cast<int64_t>(Children.size());
    EmptyDivisions = static_cast<int32_t>(std::clamp<int64_t>(empty, 0, INT32_MAX));
    Complete = true;
}

}  // namespace codelume
