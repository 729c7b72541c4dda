#pragma once

#include <QGroupBox>

// A panel that holds controls which lie outside its own small area: it takes show, hide and
// raise like any panel, but never shows itself, so that no half-empty frame appears. What the
// program last asked of it is kept.
class HolderPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit HolderPanel(QWidget* parent = nullptr);
    void setVisible(bool visible) override;
    // True after show() until the next hide().
    bool shownByProgram() const { return shown_; }

private:
    bool shown_ = false;
};
