#pragma once

#include <QMdiSubWindow>
#include <memory>

#include "document/anim_doc.h"

namespace quillor {

class CBitmapEditView;
struct ToolContext;

// The child window around one edit view. Every window of a document shares it; the
// document lives until its last window is gone, and asks about unsaved changes only
// when that last window closes.
class CBitmapEditViewFrame final : public QMdiSubWindow {
    Q_OBJECT
public:
    CBitmapEditViewFrame(std::shared_ptr<CAnimDoc> document, ToolContext& tools, QWidget* parent = nullptr);
    ~CBitmapEditViewFrame() override;

    CBitmapEditView* View() const { return view_; }
    CAnimDoc& Document() const { return *document_; }
    const std::shared_ptr<CAnimDoc>& SharedDocument() const { return document_; }

    // Closes without asking (the document was never kept, or the program is closing
    // after it already asked).
    void CloseWithoutAsking();

signals:
    void statusTextChanged(const QString& text);
    void viewActivated(CBitmapEditViewFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool IsLastWindowOfDocument() const;

    std::shared_ptr<CAnimDoc> document_;
    CBitmapEditView* view_ = nullptr;
    bool askBeforeClosing_ = true;
};

}  // namespace quillor
