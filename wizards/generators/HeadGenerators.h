#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

// The document-information panel (META elements) and the document-type panel.
namespace gen {

struct MetaInput {
    EditorState editor;
    QString author;      // Text6(22)
    QString keywords;    // Text6(27)
    QString description; // Text6(28)
};
// The document information panel (Frame(34)), ExecuteButton::InsertDocumentInfo: the META lines right behind "<HEAD>", left
// selected.
GeneratedEdit makeMeta(const MetaInput& in);

struct DoctypeInput {
    EditorState editor;
    int version = 1; // Option1 index: 0 Strict, 1 Transitional, 2 Frameset
};
// The declaration of a version; empty for an index outside 0 to 2.
QString doctypeDeclaration(int version);
// The document type panel (Frame(11)), ExecuteButton::InsertDoctype: the declaration at the start of the text, in place of
// one already there.
GeneratedEdit makeDoctype(const DoctypeInput& in);

} // namespace gen
