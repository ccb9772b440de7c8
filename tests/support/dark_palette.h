#pragma once

#include <QColor>
#include <QPalette>

namespace nimbaro::test {

// A dark theme as desktops ship it for the Fusion style: light text on dark fields, with a
// grey for what is disabled.
inline QPalette darkPalette() {
    const QColor window(53, 53, 53);
    const QColor field(35, 35, 35);
    const QColor text(230, 230, 230);
    const QColor disabledText(127, 127, 127);
    QPalette palette(text, window);  // buttons, light, dark, mid derived from the window
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, field);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(66, 66, 66));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    return palette;
}

}  // namespace nimbaro::test
