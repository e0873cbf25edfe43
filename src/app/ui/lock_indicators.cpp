#include "app/ui/lock_indicators.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibrary>
#include <QTimer>

namespace quillor {

namespace {

// Reads the lock lights through libX11 when the program runs on X11, found at run time
// so that the program neither links X11 nor fails without it.
bool ReadLockLights(unsigned& state) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) return false;
    using GetIndicatorState = int (*)(void*, unsigned, unsigned*);
    static auto get = reinterpret_cast<GetIndicatorState>(QLibrary::resolve("X11", 6, "XkbGetIndicatorState"));
    constexpr unsigned kUseCoreKeyboard = 0x0100;
    return get && get(x11->display(), kUseCoreKeyboard, &state) == 0;
}

QLabel* Pane(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 10);
    return label;
}

}  // namespace

LockIndicators::LockIndicators(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    caps_ = Pane("CAP", this);
    num_ = Pane("NUM", this);
    scroll_ = Pane("SCRL", this);
    layout->addWidget(caps_);
    layout->addWidget(num_);
    layout->addWidget(scroll_);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { Refresh(); });
    timer->start(300);
    Refresh();
}

void LockIndicators::Refresh() {
    unsigned state = 0;
    const bool known = ReadLockLights(state);
    // Lights 0, 1 and 2 are Caps, Num and Scroll Lock on every standard keymap.
    caps_->setEnabled(known && (state & 1));
    num_->setEnabled(known && (state & 2));
    scroll_->setEnabled(known && (state & 4));
}

}  // namespace quillor
