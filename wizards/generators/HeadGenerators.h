#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

// The document-information panel (META elements) and the document-type panel.
namespace gen {

struct MetaInput {
    EditorState editor;
    QString author;      // document_info_panel::AuthorBox
    QString keywords;    // document_info_panel::KeywordsBox
    QString description; // document_info_panel::DescriptionBox
};
// The document information panel (Frame(34)), ExecuteButton::InsertDocumentInfo: the META lines right behind "<HEAD>", left
// selected.
GeneratedEdit makeMeta(const MetaInput& in);

struct DoctypeInput {
    EditorState editor;
    int version = 1; // doctype_panel::Version place: 0 Strict, 1 Transitional, 2 Frameset
};
// The declaration of a version; empty for an index outside 0 to 2.
QString doctypeDeclaration(int version);
// The document type panel (Frame(11)), ExecuteButton::InsertDoctype: the declaration at the start of the text, in place of
// one already there.
GeneratedEdit makeDoctype(const DoctypeInput& in);

} // namespace gen
