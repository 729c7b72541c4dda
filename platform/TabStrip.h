#pragma once

#include <QWidget>
#include <functional>

class QTabBar;

// The document tab strip: a row of tabs over a display area. Tabs are counted from 1. Selecting a
// tab, by the user or by code, raises Click once the selection has changed. Each tab carries one
// of the images 11 to 14 (source tab, current source tab, preview tab, shown preview tab). A
// caption too long for a crowded strip is shortened in its middle; a tab's tooltip is asked for
// when it is shown, so that it always says what the tab stands for now.
class TabStrip : public QWidget {
    Q_OBJECT

public:
    explicit TabStrip(QWidget* parent = nullptr);

    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    void addTab(const QString& caption = QString());
    void removeTab(int index);
    QString tabText(int index) const;
    void setTabText(int index, const QString& caption);
    // The tooltip of a tab: what the tooltip source says of it.
    QString tabToolTip(int index) const;
    void setToolTipSource(std::function<QString(int index)> source) { toolTipSource_ = std::move(source); }
    int tabImage(int index) const;
    void setTabImage(int index, int image);

    // The area below the tabs where the editors and browsers of the documents lie.
    QWidget* displayArea() const { return area_; }
    QRect clientRect() const;
    void layoutChildren();

Q_SIGNALS:
    void tabClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabBar* bar_;
    QWidget* area_;
    bool programmatic_ = false;
    std::function<QString(int index)> toolTipSource_;
};
