#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

// The link panel (Frame(0)): a link to a file or address, or a mail link.
namespace gen {

struct LinkInput {
    EditorState editor;
    QString target;         // link_panel::TargetBox: a file, an address, or in mail mode the e-mail address
    bool newWindow = false; // link_panel::NewWindowCheck "別のウィンドウにリンクを表示"
    QString documentFolder;
};

GeneratedEdit makeLink(const LinkInput& in);
GeneratedEdit makeMailLink(const LinkInput& in);

// ExecuteButton::InsertLink: a link while ExecuteButton::ChooseLinkTarget is shown (link mode),
// else a mail link; the link panel closes either way.
GeneratedEdit makeLinkButton(const LinkInput& in, bool linkMode);

} // namespace gen
