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

    int Count() const;
    int SelectedIndex() const;
    void Select(int index);
    void Add(const QString& caption = QString());
    void Remove(int index);
    QString Caption(int index) const;
    void SetCaption(int index, const QString& caption);
    // The tooltip of a tab: what the tooltip source says of it.
    QString ToolTip(int index) const;
    void setToolTipSource(std::function<QString(int index)> source) { toolTipSource_ = std::move(source); }
    int Image(int index) const;
    void SetImage(int index, int image);

    // The area below the tabs where the editors and browsers of the documents lie.
    QWidget* DisplayArea() const { return area_; }
    QRect ClientRect() const;
    void layoutChildren();

Q_SIGNALS:
    void Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabBar* bar_;
    QWidget* area_;
    bool programmatic_ = false;
    std::function<QString(int index)> toolTipSource_;
};
