#include "reader/DocumentReader.h"

namespace codelume {
namespace {

enum class TErrorPolicy { KeepOnOpenComment, Propagate };

using TReadBody = void (THtmlReader::*)();

TReadResult Read(THtmlReader& reader, TReadBody body, TErrorPolicy policy) {
    try {
        (reader.*body)();
    } catch (const EParseError&) {
        if (policy == TErrorPolicy::Propagate) throw;
    }
    return {reader.Title, reader.Base, reader.BaseTarget};
}

}  // namespace

TReadResult ParseDocumentFile(TSectionList& document, TAnchorIndex& anchorIndex,
                              const std::string& fileName, TSoundType onSoundRequest,
                              TIncludeType onInclude) {
    THtmlReader reader(document, anchorIndex, std::make_unique<TFileSource>(fileName),
                       std::move(onInclude), std::move(onSoundRequest));
    return Read(reader, &THtmlReader::ReadHtml, TErrorPolicy::KeepOnOpenComment);
}

TReadResult ParseDocumentBuffer(TSectionList& document, TAnchorIndex& anchorIndex,
                                const char* start, int32_t length, TIncludeType onInclude) {
    THtmlReader reader(document, anchorIndex, std::make_unique<TBufferSource>(start, length),
                       std::move(onInclude));
    return Read(reader, &THtmlReader::ReadHtml, TErrorPolicy::Propagate);
}

TReadResult ParseDocumentStrings(TSectionList& document, TAnchorIndex& anchorIndex,
                                 const std::vector<std::string>& lines, TIncludeType onInclude) {
    THtmlReader reader(document, anchorIndex, std::make_unique<TStringsSource>(lines),
                       std::move(onInclude));
    return Read(reader, &THtmlReader::ReadHtml, TErrorPolicy::Propagate);
}

TReadResult ParseDocumentStream(TSectionList& document, TAnchorIndex& anchorIndex, TStream& stream,
                                TIncludeType onInclude) {
    THtmlReader reader(document, anchorIndex, std::make_unique<TStreamSource>(stream),
                       std::move(onInclude));
    return Read(reader, &THtmlReader::ReadHtml, TErrorPolicy::Propagate);
}

TReadResult ParseTextFile(TSectionList& document, TAnchorIndex& anchorIndex,
                          const std::string& fileName) {
    THtmlReader reader(document, anchorIndex, std::make_unique<TFileSource>(fileName), {}, {},
                       TTextKind::tkPlainText);
    return Read(reader, &THtmlReader::ReadText, TErrorPolicy::KeepOnOpenComment);
}

TReadResult ParseTextStrings(TSectionList& document, TAnchorIndex& anchorIndex,
                             const std::vector<std::string>& lines) {
    THtmlReader reader(document, anchorIndex, std::make_unique<TStringsSource>(lines), {}, {},
                       TTextKind::tkPlainText);
    return Read(reader, &THtmlReader::ReadText, TErrorPolicy::Propagate);
}

}  // namespace codelume
