#pragma once

#include <QLabel>
#include <QString>

namespace tarvel {

// A label that shows its text as given, never as rich text (names, memos and device names are the
// user's or a device's text).
inline QLabel* PlainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace tarvel
