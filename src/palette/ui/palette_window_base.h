#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <optional>

namespace quillor {

class CAnimDoc;

// What the two palette windows share: they float beside the main window, follow the
// active picture (asking for it afresh on every tick, never keeping it), keep their
// place between openings, and hand the keyboard back to the picture when the pointer
// leaves them.
class PaletteWindowBase : public QDialog {
    Q_OBJECT
public:
    using ActiveDocument = std::function<CAnimDoc*()>;

    PaletteWindowBase(ActiveDocument activeDocument, QSize size, int rightMargin, QWidget* parent);

    // Opens the window where it was last, or the first time beside the main window's
    // right edge, vertically centred.
    void Open();
    // The window shows the active picture's colours as they are now.
    void Refresh();

signals:
    // The user changed the painting colours or the table from this window.
    void changed();

protected:
    CAnimDoc* Document() const { return activeDocument_ ? activeDocument_() : nullptr; }
    // A new active picture (or the first): the window starts over on it.
    virtual void Follow(CAnimDoc* document) = 0;
    // The colours shown may have changed.
    virtual void Update(CAnimDoc& document) = 0;
    void leaveEvent(QEvent* event) override;

private:
    ActiveDocument activeDocument_;
    QTimer timer_;
    int rightMargin_;
    QSize size_;
    bool placed_ = false;
    // Compared, never used: the picture the window last followed.
    const void* followed_ = nullptr;
};

}  // namespace quillor
