#pragma once

#include "wizards/generators/FramesetGenerator.h"
#include "wizards/generators/ImageGenerator.h"
#include "wizards/generators/ListGenerator.h"
#include "wizards/generators/RuleGenerator.h"
#include "wizards/generators/TableGenerator.h"

#include <QString>

#include <initializer_list>
#include <optional>

#include "platform/ControlRegistry.h"


// What the construct panels' boxes and options hold, read from their registered controls. The
// panels' execute buttons read their generators' inputs here, and automatic creation reuses the
// settings of the panels whose generators it runs.
namespace panel {

// A box's text; a multi-line box counts its line breaks as the editor does.
QString text(const ControlRegistry& controls, ControlRef box);
bool checked(const ControlRegistry& controls, ControlRef button);
// The place of the selected option among the array's given places; `none` when none is selected.
int selected(const ControlRegistry& controls, ControlArrayId options, std::initializer_list<int> places, int none = -1);

// The rule panel (Frame(1)): every setting of the rule.
gen::RuleInput ruleSettings(const ControlRegistry& controls);
// The list panel (Frame(2)): the list's kind and bullet.
gen::ListInput listSettings(const ControlRegistry& controls);
// The table panel (Frame(5)): everything but the editor and the data box.
gen::TableInput tableSettings(const ControlRegistry& controls);
// The image panel (Frame(3)): the sizes, the border, the alignment, the spaces and the alternative text; not the
// file, its path or the editor.
gen::ImageInput imageSettings(const ControlRegistry& controls);
// The frames wizard: every box and option of its panel.
gen::FramesetInput framesetSettings(const ControlRegistry& controls);

// ---- what automatic creation leaves in the panels ----
// Automatic creation runs the panels' generators without their panels; afterwards the panels
// show what the run used, as if the user had filled them in. A control that is not registered is
// left alone.

// The boxes the generators wrote, in order, and the options the run chose.
void writeFields(ControlRegistry& controls, const QList<gen::FieldWrite>& fields);
void selectOptions(ControlRegistry& controls, const QList<gen::ControlRef>& options);
// What the image panel shows for a picture inserted by automatic creation: its file, aligned to
// the middle; and the background image panel for a background: its file, repeated.
gen::FieldWrite insertedImageFile(const QString& file);
gen::ControlRef insertedImageAlignment();
gen::FieldWrite insertedBackgroundImageFile(const QString& file);
gen::ControlRef insertedBackgroundImageRepeat();
// The page's title, its body colours and, for frames, the three pages' names and the split.
struct AutomaticRun {
    QString title;
    QString textColour;
    QString background;
    bool frames = false;
    QString bodyPage;
    QString navigationPage;
    QString framesetPage;
    std::optional<bool> sideBySide; // no split chosen when empty
};
void showAutomaticRun(ControlRegistry& controls, const AutomaticRun& run);

} // namespace panel
