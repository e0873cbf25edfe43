#pragma once

#include <QWidget>

#include "utilities/image_browser_model.h"

namespace quillor {

// Paints the browser's page exactly as the model lays it out, in dialog coordinates,
// and passes clicks, the wheel and the keyboard back to it.
class BrowserGridView final : public QWidget {
    Q_OBJECT
public:
    // The widget covers the thumbnail area and the outlines one pixel around it.
    static constexpr int kOriginX = BrowserGrid::kLeft - 2;
    static constexpr int kOriginY = BrowserGrid::kTop - 2;

    BrowserGridView(ImageBrowserModel& model, QWidget* parent);

signals:
    // The selection or the page moved.
    void changed();
    // A double click opened the selection.
    void opened();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ImageBrowserModel& model_;
    int wheelRemainder_ = 0;
};

}  // namespace quillor
