#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

namespace gen {

struct MailFormInput {
    EditorState editor;
    QString address; // mail_form_panel::AddressBox, used as typed
};

// The opinion form that mails its contents.
QString mailFormText(const QString& address);

// The mail form panel (Frame(6)), ExecuteButton::InsertMailForm: the form in front of the selection, painted red, the caret at its start.
GeneratedEdit makeMailForm(const MailFormInput& in);

} // namespace gen
