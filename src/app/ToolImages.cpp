#include "app/ToolImages.h"

#include <QDirIterator>
#include <QPixmap>

namespace codelume {

namespace {

// Pixel pictures of 16 by 16, one character a pixel.
const char* const SelectSourceImage[] = {
    "16 16 4 1",        "  c None",         "f c #F8E070",      "o c #806000",
    "y c #E0B040",      "                ", "                ", " oooo           ",
    "oyyyyo          ", "oyyyyyoooooooo  ", "oyyyyyyyyyyyyo  ", "oyyyyyyyyyyyyo  ",
    "oyyyoooooooooooo", "oyyoffffffffffo ", "oyyoffffffffffo ", "oyoffffffffffo  ",
    "oyoffffffffffo  ", "oofffffffffffo  ", "oofffffffffffo  ", "oooooooooooooo  ",
    "                ",
};

const char* const ConvertImage[] = {
    "16 16 5 1",        "  c None",         "G c #00A000",      "b c #000080",
    "k c #000000",      "w c #FFFFFF",      "kkkkkkkk        ", "kwwwwwwkk       ",
    "kwbbbwwkwk      ", "kwwwwwwkkkk     ", "kwbbbbbwwwk     ", "kwwwwwwwwwk G   ",
    "kwbbwwwwwwk GG  ", "kwwwwwwGGGGGGGG ", "kwbbbbwGGGGGGGGG", "kwwwwwwGGGGGGGG ",
    "kwbbbwwwwwk GG  ", "kwwwwwwwwwk G   ", "kwbbbbbbwwk     ", "kwwwwwwwwwk     ",
    "kkkkkkkkkkk     ", "                ",
};

const char* const SelectDestinationImage[] = {
    "16 16 7 1",        "  c None",         "B c #3060C0",      "b c #000080",
    "g c #808080",      "k c #000000",      "s c #C0C0C0",      "w c #FFFFFF",
    "                ", " kkkkkkkkkkkkkk ", " kBkwwwwwwwwkBk ", " kBkwwwwwwwwkBk ",
    " kBkwggggggwkBk ", " kBkwwwwwwwwkBk ", " kBkwggggggwkBk ", " kBkwwwwwwwwkBk ",
    " kBBkkkkkkkkBBk ", " kBBBBBBBBBBBBk ", " kBBBssssssBBBk ", " kBBBsbbsssBBBk ",
    " kBBBsbbsssBBBk ", " kBBBssssssBBBk ", "  kkkkkkkkkkkkk ", "                ",
};

const char* const PreviewImage[] = {
    "16 16 6 1",        "  c None",         "c c #A0D8F0",      "g c #808080",
    "k c #000000",      "n c #604020",      "w c #FFFFFF",      "kkkkkkkk        ",
    "kwwwwwwkk       ", "kwggggwkwk      ", "kwwwwwwkkkk     ", "kwggggwwwwk     ",
    "kwwwwwwwwkk     ", "kwggggwkkcckk   ", "kwwwwwwkcccck   ", "kwggggkcccccck  ",
    "kwwwwwkcccccck  ", "kwggggwkcccck   ", "kwwwwwwkkcckk   ", "kwwwwwwwwkk nn  ",
    "kkkkkkkkkkk nnn ", "             nnn", "              nn",
};

const char* const PrintImage[] = {
    "16 16 6 1",        "  c None",         "G c #00A000",      "g c #808080",
    "k c #000000",      "s c #C0C0C0",      "w c #FFFFFF",      "                ",
    "    kkkkkkkk    ", "    kwwwwwwk    ", "    kwggggwk    ", "    kwwwwwwk    ",
    "  kkkkkkkkkkkk  ", " kwssssssssssgk ", " kssssssssssGsk ", " kssssssssssssk ",
    " kggggggggggggk ", " kgkkkkkkkkkkgk ", " kgkwwwwwwwwkgk ", " kkkwggggggwkkk ",
    "    kwwwwwwk    ", "    kkkkkkkk    ", "                ",
};

}  // namespace

std::vector<QPixmap> CreateToolImages() {
    return {QPixmap(SelectSourceImage), QPixmap(ConvertImage), QPixmap(SelectDestinationImage),
            QPixmap(PreviewImage), QPixmap(PrintImage)};
}

QIcon ApplicationIcon() {
    QIcon builtIn;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("codelume.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext()) builtIn.addFile(sizes.next());
    return QIcon::fromTheme(QStringLiteral("codelume"), builtIn);
}

}  // namespace codelume
