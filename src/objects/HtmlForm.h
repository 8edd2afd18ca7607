// A FORM: its ACTION, METHOD and TARGET and the controls read while it was
// open. The form owns its controls; the document's form list owns the form.
#pragma once

#include <memory>
#include <string>

#include "base/FreeList.h"
#include "document/Attributes.h"
#include "document/FormControl.h"
#include "objects/FormControls.h"

namespace codelume {

class TSection;
class TSectionList;

class THtmlForm : public TFormBase {
public:
    THtmlForm(TSectionList& document, const TAttributeList& attributes);

    TSectionList& Document;
    std::string Action;
    std::string Method;  // upper-cased; GET when none is given
    std::string Target;
    TFreeList<THtmlControl> Controls;

    // Takes the control and lists it among all the document's controls.
    THtmlControl& AddControl(std::unique_ptr<THtmlControl> control);
    void MeasureControls(TCanvas& canvas) override;
};

// Starts a form and hands it to the document's form list.
THtmlForm& StartForm(TSectionList& document, const TAttributeList& attributes);

// The control of an INPUT, SELECT or TEXTAREA tag, created in the open form (a
// form is started when none is open) and placed in the block: an image button
// as an image, a hidden field nowhere, any other control as byte 2.
THtmlControl& InsertFormControl(TSection& section, THtmlSymbol tag, TSectionList& document,
                                THtmlForm*& form, const TAttributeList& attributes);

}  // namespace codelume
