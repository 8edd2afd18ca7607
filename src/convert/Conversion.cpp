#include "convert/Conversion.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "base/Errors.h"
#include "base/OutputFile.h"
#include "base/Stream.h"
#include "convert/HtmlParser.h"
#include "formfile/FormFile.h"

namespace codelume {

const char* const MakerName = "the Codelume team";
const char* const MakerAddress = "codelume.example.org";

std::string FooterCredit() { return std::string("Made by ") + MakerName + ", " + MakerAddress; }

std::string ProposedDestination(const std::string& source) {
    std::string suffix = ExtractFileExt(source).substr(0, 4);
    if (!suffix.empty()) suffix.erase(0, 1);
    return ChangeFileExt(source, "_" + suffix) + ".HTM";
}

namespace {

bool HasFormExtension(const std::string& path) {
    std::string extension = ExtractFileExt(path);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".dfm" || extension == ".lfm" || extension == ".xfm" || extension == ".fmx";
}

}  // namespace

TSourceKind SourceKindOf(const std::string& path, TStream& data) {
    switch (BinaryFormOf(data)) {
        case TBinaryForm::bfResource:
            return TSourceKind::skFormResource;
        case TBinaryForm::bfStream:
            return TSourceKind::skFormStream;
        case TBinaryForm::bfNone:
            break;
    }
    return HasFormExtension(path) ? TSourceKind::skFormText : TSourceKind::skPascal;
}

namespace {

bool IsDirectory(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

void WritePage(TStream& input, TStream& output, const std::string& source, TKeywordSet keywords) {
    THtmlParser parser(input, output);
    parser.FullPage = true;
    parser.FileName = source;
    parser.FooterText = FooterCredit();
    parser.SelectKeywords(keywords);
    parser.ConvertSource();
}

}  // namespace

// A binary form is highlighted as the text it renders to, form text as it is.
void ConvertStream(TStream& input, TStream& output, const std::string& name) {
    TSourceKind kind = SourceKindOf(name, input);
    if (kind == TSourceKind::skPascal || kind == TSourceKind::skFormText) {
        WritePage(input, output, name, kind == TSourceKind::skFormText ? ksForm : ksPascal);
        return;
    }
    TMemoryStream text;
    if (kind == TSourceKind::skFormResource)
        FormResourceToText(input, text);
    else
        FormBinaryToText(input, text);
    text.SetPosition(0);
    WritePage(text, output, name, ksForm);
}

bool IsGeneratedPage(const std::string& path) {
    constexpr size_t HeadBytes = 512;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::string head(HeadBytes, '\0');
    head.resize(std::fread(head.data(), 1, HeadBytes, file));
    std::fclose(file);
    return head.find(PageGenerator) != std::string::npos;
}

void ConvertFile(const std::string& source, TStream& output) {
    if (IsDirectory(source)) throw EFOpenError(source, SystemReason(EISDIR));
    std::unique_ptr<TStream> sourceFile = OpenSourceStream(source);
    ConvertStream(*sourceFile, output, source);
}

void ConvertToPage(const std::string& source, const std::string& destination,
                   TOverwrite overwrite) {
    TOutputFile page(destination, overwrite);
    RefuseSourceAsDestination(source, destination);
    ConvertFile(source, page.Stream());
    page.Commit();
}

void ConvertStreamToPage(TStream& input, const std::string& name, const std::string& destination,
                         TOverwrite overwrite) {
    TOutputFile page(destination, overwrite);
    ConvertStream(input, page.Stream(), name);
    page.Commit();
}

void WritePageFile(const std::string& destination, const std::string& page, TOverwrite overwrite) {
    TOutputFile file(destination, overwrite);
    file.Stream().WriteString(page);
    file.Commit();
}

}  // namespace codelume
