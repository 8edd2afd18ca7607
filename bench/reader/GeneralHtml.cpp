#include "GeneralHtml.h"

#include <cstdint>
#include <string_view>

namespace codelume {
namespace {

constexpr std::string_view Words[] = {"the",
                                      "station",
                                      "reads",
                                      "every",
                                      "sensor",
                                      "twice",
                                      "a",
                                      "minute",
                                      "and",
                                      "keeps",
                                      "its",
                                      "values",
                                      "in",
                                      "a",
                                      "ring",
                                      "buffer",
                                      "which",
                                      "the",
                                      "report",
                                      "walks",
                                      "from",
                                      "oldest",
                                      "to",
                                      "newest",
                                      "while",
                                      "checking",
                                      "each",
                                      "packet",
                                      "for",
                                      "errors",
                                      "caf&eacute;",
                                      "na&iuml;ve",
                                      "&lt;tag&gt;",
                                      "A&amp;B",
                                      "&#169;",
                                      "&quot;quoted&quot;",
                                      "r&eacute;sum&eacute;"};
constexpr std::string_view Inline[][2] = {{"<B>", "</B>"},
                                          {"<I>", "</I>"},
                                          {"<TT>", "</TT>"},
                                          {"<FONT COLOR=\"#800000\">", "</FONT>"},
                                          {"<FONT SIZE=+1>", "</FONT>"},
                                          {"<U>", "</U>"},
                                          {"<EM>", "</EM>"},
                                          {"<CODE>", "</CODE>"}};

class TPageWriter {
public:
    std::string Generate(size_t minimumBytes) {
        Page =
            "<HTML><HEAD><TITLE>Station manual</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFF0\" "
            "LINK=navy>\r\n";
        for (int chapter = 1; Page.size() < minimumBytes; ++chapter) Chapter(chapter);
        Page += "</BODY></HTML>\r\n";
        return std::move(Page);
    }

private:
    std::string Page;
    uint32_t State = 12345;

    uint32_t Next() {
        State = State * 1664525u + 1013904223u;
        return State >> 8;
    }

    // Prose of about count words, some styled, some linked.
    void Prose(int count) {
        for (int i = 0; i < count; ++i) {
            std::string_view word = Words[Next() % std::size(Words)];
            uint32_t roll = Next() % 40;
            if (roll < std::size(Inline))
                Page.append(Inline[roll][0]).append(word).append(Inline[roll][1]);
            else if (roll == 20)
                Page.append("<A HREF=\"#c")
                    .append(std::to_string(Next() % 50))
                    .append("\">")
                    .append(word)
                    .append("</A>");
            else
                Page.append(word);
            Page += (i + 1) % 12 == 0 ? "\r\n" : " ";
        }
    }

    void Paragraphs(int count) {
        for (int i = 0; i < count; ++i) {
            Page += i % 5 == 4 ? "<P ALIGN=center>" : "<P>";
            Prose(40 + static_cast<int>(Next() % 80));
            Page += "\r\n";
        }
    }

    void Lists() {
        Page += "<UL>\r\n";
        for (int i = 0; i < 4; ++i) {
            Page += "<LI>";
            Prose(12);
            if (i == 2) {
                Page += "\r\n<OL TYPE=a START=3>\r\n";
                for (int j = 0; j < 3; ++j) Page += "<LI>", Prose(8), Page += "\r\n";
                Page += "</OL>\r\n";
            }
        }
        Page += "</UL>\r\n<DL>\r\n<DT>Term<DD>";
        Prose(20);
        Page += "\r\n</DL>\r\n<BLOCKQUOTE>";
        Prose(30);
        Page += "</BLOCKQUOTE>\r\n";
    }

    void Table() {
        Page +=
            "<TABLE BORDER=1 CELLPADDING=3 CELLSPACING=0 WIDTH=\"90%\">\r\n"
            "<CAPTION>Readings</CAPTION>\r\n<TR><TH>Sensor<TH>Value<TH>Note</TR>\r\n";
        for (int row = 0; row < 6; ++row) {
            Page.append("<TR><TD>S")
                .append(std::to_string(Next() % 100))
                .append("<TD ALIGN=right>");
            Page.append(std::to_string(Next() % 1000))
                .append(".")
                .append(std::to_string(Next() % 10))
                .append("<TD>");
            Prose(6);
            Page += "</TR>\r\n";
        }
        Page += "</TABLE>\r\n";
    }

    void Example() {
        Page += "<PRE>\r\n";
        for (int line = 0; line < 8; ++line)
            Page.append(static_cast<size_t>(line % 4) * 2, ' ')
                .append("<B>if</B> Value &lt; Limit[")
                .append(std::to_string(line))
                .append("] <B>then</B> Inc(Count);\r\n");
        Page += "</PRE>\r\n";
    }

    void Chapter(int chapter) {
        std::string n = std::to_string(chapter);
        Page += "<H1><A NAME=c" + n + ">Chapter " + n + "</A></H1>\r\n";
        Paragraphs(3);
        Page += "<H2>Details</H2>\r\n";
        Lists();
        Table();
        Page += "<H3>Example</H3>\r\n";
        Example();
        Paragraphs(2);
        Page += "<CENTER>See also <A HREF=\"#c" + std::to_string(chapter + 1) +
                "\">the next chapter</A>.</CENTER><BR CLEAR=all>\r\n<HR>\r\n";
    }
};

}  // namespace

std::string GenerateGeneralHtml(size_t minimumBytes) {
    return TPageWriter().Generate(minimumBytes);
}

}  // namespace codelume
