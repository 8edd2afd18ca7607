// The errors of printing, with the texts the user sees: raised by the page
// loop and by the print devices behind the seam alike.
#pragma once

#include "base/Errors.h"

namespace codelume {

class EPrinter : public ECodelumeError {
public:
    using ECodelumeError::ECodelumeError;
};

inline constexpr const char* SInvalidPrinter = "Printer selected is not valid";
inline constexpr const char* SNotPrinting = "Printer is not currently printing";
inline constexpr const char* SPrinting = "Printing in progress";
inline constexpr const char* SNoDefaultPrinter = "There is no default printer currently selected";
inline constexpr const char* SNoRoomOnPage = "The print margins leave no room on the page";

}  // namespace codelume
