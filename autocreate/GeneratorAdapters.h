#pragma once

#include "autocreate/AutoCreatePipeline.h"
#include "wizards/generators/FramesetGenerator.h"
#include "wizards/generators/GeneratedEdit.h"
#include "wizards/generators/ImageGenerator.h"
#include "wizards/generators/ListGenerator.h"
#include "wizards/generators/RuleGenerator.h"
#include "wizards/generators/TableGenerator.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// The construct generators of the wizards, made into the text functions that automatic creation
// runs: each gets its text, works on it as its panel's execute button would on the editor, and
// hands back the text the editor would then hold.
namespace autocreate {

// The settings of the panels whose generators a run reuses, as the panels hold them when it
// starts. The initial values are those the panels show at start-up.
struct PanelInputs {
    PanelInputs();

    gen::RuleInput rule;      // the rules around the title heading
    gen::ListInput list;      // list kind and bullet
    gen::TableInput table;    // everything but the source
    gen::ImageInput image;    // sizes, border, spaces and the alternative text
    gen::FramesetInput frames; // everything but the page names and the split
};

// What the generators leave besides their text, in the order it happened: the messages they
// show, the boxes they and the steps in front of them write, and the options the steps select.
struct GeneratorEffects {
    QStringList messages;
    QList<gen::FieldWrite> fields;
    QList<gen::ControlRef> options;
};

// The real generators of a run on a document of `documentFolder` (image paths are written
// relative to it). Messages of the steps and of the generators and the generators' box writes
// go to `effects`.
AutoCreateGenerators realGenerators(const PanelInputs& panels, const QString& documentFolder,
                                    const std::shared_ptr<GeneratorEffects>& effects);

// The text of the editor after a generator's result has been applied to it.
QString appliedText(const gen::EditorState& editor, const gen::GeneratedEdit& edit);

// The frames wizard's input for a run: the page names and the split given, the rest as the
// panel holds it.
gen::FramesetInput framesetInputFor(const gen::FramesetInput& panel, const FramesetRequest& request);

} // namespace autocreate
