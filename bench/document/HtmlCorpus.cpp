#include "HtmlCorpus.h"

#include "PascalCorpus.h"
#include "base/Stream.h"
#include "convert/HtmlParser.h"

namespace codelume {

namespace {

// The first `lines` lines of a generated unit.
std::string PascalLines(int lines) {
    std::string source = GeneratePascalCorpus(static_cast<size_t>(lines) * 60, 7);
    size_t at = 0;
    for (int line = 0; line < lines && at != std::string::npos; ++line)
        at = source.find('\n', at + 1);
    return at == std::string::npos ? source : source.substr(0, at + 1);
}

}  // namespace

std::string ConvertedPage(int lines) {
    std::string source = PascalLines(lines);
    TMemoryStream input, output;
    input.WriteString(source);
    input.SetPosition(0);
    THtmlParser parser(input, output);
    parser.FullPage = true;
    parser.FileName = "Bench.pas";
    parser.ConvertSource();
    return output.Data();
}

std::string GeneralPage(size_t minimumBytes) {
    std::string page = "<HTML><HEAD><TITLE>General</TITLE></HEAD><BODY BGCOLOR=white>\r\n";
    for (int section = 1; page.size() < minimumBytes; ++section) {
        std::string n = std::to_string(section);
        page +=
            "<H2><A NAME=s" + n + ">Section " + n + "</A></H2>\r\n<P>This is the text of section " +
            n + ", with <B>bold</B>, <I>italic</I> and <A HREF=\"#s" + std::to_string(section + 1) +
            "\">a link to the next section</A>; it runs on long enough to wrap over several lines "
            "at the usual widths of a window, as ordinary prose does.\r\n<UL><LI>First "
            "point<LI>Second "
            "point with <TT>code</TT><OL><LI>nested<LI>items</OL></UL>\r\n"
            "<TABLE BORDER=1 CELLPADDING=2><TR><TH>Name<TH>Value</TR><TR><TD>alpha<TD>" +
            n + "</TR><TR><TD>beta<TD>two words</TR></TABLE>\r\n<HR>\r\n";
    }
    return page + "</BODY></HTML>\r\n";
}

}  // namespace codelume
