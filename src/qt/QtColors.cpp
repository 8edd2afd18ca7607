#include "qt/QtColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace codelume {

namespace {

QPalette::ColorRole RoleOf(TColor color) {
    switch (color) {
        case clWindow:
            return QPalette::Base;
        case clWindowText:
            return QPalette::Text;
        case clHighlight:
            return QPalette::Highlight;
        case clHighlightText:
            return QPalette::HighlightedText;
        case clBtnShadow:
            return QPalette::Dark;
        case clGrayText:
            return QPalette::PlaceholderText;
        case clBtnText:
            return QPalette::ButtonText;
        case clBtnHighlight:
            return QPalette::Light;
        default:
            return QPalette::Button;
    }
}

}  // namespace

QColor ToQColor(TColor color) {
    color &= ~PaletteRelative;
    if (IsSystemColor(color)) return QGuiApplication::palette().color(RoleOf(color));
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace codelume
