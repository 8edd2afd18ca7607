// Client-side image maps: the AREA tags of a MAP element.
#include "base/Ascii.h"
#include "objects/MapItem.h"
#include "reader/HtmlReader.h"

namespace codelume {

// A map joins the document only when its end tag is met; one cut off by the
// end of the input is dropped.
void THtmlReader::ParseMap() {
    auto map = std::make_unique<TMapItem>();
    if (const TAttribute* name = Attributes.Find(NameSy)) map->MapName = UpperAscii(name->Text);
    NextSymbol();
    while (Sym != MapEndSy && Sym != EofSymbol) {
        if (Sym == AreaSy) map->AddArea(Attributes);
        NextSymbol();
    }
    if (Sym == MapEndSy) Document.MapList.Add(std::move(map));
    NextSymbol();
}

}  // namespace codelume
