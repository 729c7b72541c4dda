#pragma once

#include "autocreate/AutoCreatePipeline.h"
#include "platform/ControlRegistry.h"

#include <QObject>

class ColourPicking;
class ControlRegistry;
class Dispatcher;
class PanelKit;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

// The settings panel of automatic creation "お任せの設定": the colours and sizes of
// the page, its headings and its navigation page, and whether frames are made. Its fields are
// plain boxes that keep what the user types while the program runs; a run reads them.
class AutoSettingsPanel : public QObject {
    Q_OBJECT

public:
    AutoSettingsPanel(PanelKit& panels, Dispatcher& dispatcher, ColourPicking& colourPicker);

    // The menu item "自動作成設定": the panel at its place, in front, with its explanation.
    void showPanel();
    // The frame layout was chosen: the navigation page's settings matter only for frames side by
    // side.
    void showNavigationSettings(bool sideBySide);
    // A colour button: the colour picker's next colour goes into its box.
    void pickColourFor(ControlId box);

    // What a run reads from the panel.
    autocreate::AutoCreateSettings settings() const;
    autocreate::FrameLayout frameLayout() const;
    void hidePanel();

private:
    // A colour box with its button, which asks the colour picker for the box's colour.
    QLineEdit* colourRow(QGroupBox* group, const QString& label, ControlId box, ControlId button, int top);
    QLineEdit* addTextBox(QGroupBox* group, const QString& label, ControlId id, const QString& text, int top);
    QString text(ControlId box) const;

    PanelKit& panels;
    ControlRegistry& controls;
    ColourPicking& colourPicker;
    // The navigation page's settings, shown for frames side by side only.
    QWidget* navigation_ = nullptr;
};
