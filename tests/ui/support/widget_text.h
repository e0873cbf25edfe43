#pragma once

#include <QLabel>
#include <QWidget>

namespace quillor::testing {

// True when one of the widget's labels reads exactly `text`.
inline bool ShowsText(const QWidget& widget, const QString& text) {
    for (const QLabel* label : widget.findChildren<QLabel*>())
        if (label->text() == text) return true;
    return false;
}

}  // namespace quillor::testing
