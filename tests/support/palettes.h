#pragma once

#include <QColor>
#include <QPalette>

namespace Lumo::Testing {

// A dark palette as Fusion users set it.
inline QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    p.setColor(QPalette::Text, Qt::white);
    // A palette that sets no hint colour keeps the light one, which hardly shows on dark fields.
    p.setColor(QPalette::PlaceholderText, QColor(255, 255, 255, 128));
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

} // namespace Lumo::Testing
