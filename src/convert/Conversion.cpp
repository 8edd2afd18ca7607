#include "convert/Conversion.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "base/Errors.h"
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

// The mode a new file gets from the process's file-creation mask.
mode_t DefaultFileMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A new file in the destination's folder that receives the page. Unless it
// is committed (renamed over the destination), it is removed again.
class TTemporaryFile {
public:
    explicit TTemporaryFile(const std::string& destination);
    ~TTemporaryFile();
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    TStream& Stream() { return *File; }
    void Commit();

private:
    std::string Destination;
    std::string Path;
    std::unique_ptr<TFileStream> File;
    bool Committed = false;
};

TTemporaryFile::TTemporaryFile(const std::string& destination) : Destination(destination) {
    if (destination.empty() || IsDirectory(destination) ||
        (access(destination.c_str(), F_OK) == 0 && access(destination.c_str(), W_OK) != 0))
        throw EFCreateError(destination);
    size_t slash = destination.rfind('/');
    std::string folder = slash == std::string::npos ? "" : destination.substr(0, slash + 1);
    std::string pattern = folder + ".codelume-XXXXXX";
    int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) throw EFCreateError(destination);
    close(descriptor);
    Path = pattern;
    try {
        File = std::make_unique<TFileStream>(Path, TFileStream::TMode::fmCreate);
    } catch (const EStreamError&) {
        unlink(Path.c_str());
        throw EFCreateError(destination);
    }
}

TTemporaryFile::~TTemporaryFile() {
    if (Committed) return;
    File.reset();
    unlink(Path.c_str());
}

// A replaced destination keeps its mode; a new one gets the usual mode.
void TTemporaryFile::Commit() {
    File->Close();
    struct stat previous;
    mode_t mode =
        stat(Destination.c_str(), &previous) == 0 ? previous.st_mode & 07777 : DefaultFileMode();
    chmod(Path.c_str(), mode);
    if (rename(Path.c_str(), Destination.c_str()) != 0) throw EFCreateError(Destination);
    Committed = true;
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
    TFileStream sourceFile(source, TFileStream::TMode::fmOpenRead);
    ConvertStream(sourceFile, output, source);
}

void ConvertToPage(const std::string& source, const std::string& destination) {
    TTemporaryFile page(destination);
    ConvertFile(source, page.Stream());
    page.Commit();
}

void ConvertStreamToPage(TStream& input, const std::string& name, const std::string& destination) {
    TTemporaryFile page(destination);
    ConvertStream(input, page.Stream(), name);
    page.Commit();
}

void WritePageFile(const std::string& destination, const std::string& page) {
    TTemporaryFile file(destination);
    file.Stream().WriteString(page);
    file.Commit();
}

}  // namespace codelume
