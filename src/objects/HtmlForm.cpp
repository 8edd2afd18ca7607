#include "objects/HtmlForm.h"

#include "base/Ascii.h"
#include "document/Section.h"
#include "document/SectionList.h"
#include "objects/AttributeValues.h"
#include "objects/HtmlImage.h"

namespace codelume {

THtmlForm::THtmlForm(TSectionList& document, const TAttributeList& attributes)
    : Document(document),
      Action(TextAttribute(attributes, ActionSy)),
      Method(UpperAscii(TextAttribute(attributes, MethodSy))),
      Target(TextAttribute(attributes, TargetSy)) {
    if (Method.empty()) Method = "GET";
}

THtmlControl& THtmlForm::AddControl(std::unique_ptr<THtmlControl> control) {
    THtmlControl* added = Controls.Add(std::move(control));
    Document.FormControlList.push_back(added);
    return *added;
}

void THtmlForm::MeasureControls(TCanvas& canvas) {
    for (const auto& control : Controls) control->Measure(canvas);
}

THtmlForm& StartForm(TSectionList& document, const TAttributeList& attributes) {
    return static_cast<THtmlForm&>(
        *document.FormList.Add(std::make_unique<THtmlForm>(document, attributes)));
}

THtmlControl& InsertFormControl(TSection& section, THtmlSymbol tag, TSectionList& document,
                                THtmlForm*& form, const TAttributeList& attributes) {
    if (form == nullptr) form = &StartForm(document, TAttributeList());
    THtmlControl& control = form->AddControl(CreateFormControl(tag, document, attributes));
    if (control.Kind == TControlKind::ImageButton) {
        auto image = std::make_unique<THtmlImage>(document, attributes);
        image->Control = &control;
        section.InsertImage(std::move(image));
    } else {
        section.InsertFormControl(control);
    }
    return control;
}

}  // namespace codelume
