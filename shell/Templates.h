#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class CommandRegistry;
class ControlRegistry;
class Dispatcher;
class EditorFonts;
class PanelKit;
class UndoRing;
class Workspace;

// The template file pelmor.ten: records of a header line "[start template]" + the name, the body
// lines and a line "[end template]". These functions work on its text.
namespace templatefile {

inline const QString StartMarker = QStringLiteral("[start template]");
inline const QString EndMarker = QStringLiteral("[end template]");

// What the template panel shows of a file.
struct Listing {
    QString content;    // every line of the file preceded by CR LF
    QStringList names;  // the names of the records in file order; an empty name is not listed
    QString nextName;   // "pelmorten" + one more than the highest number of such a name
};
Listing readListing(const QString& fileText);

// The number after "pelmorten" at the start of a name (its leading number, 0 without one); 0
// for any other name.
double pelmortenNumber(const QString& name);
QString nextTemplateName(const QStringList& names);

// A message when the name cannot stand in a header line (it holds a record marker or a line
// break); empty when it can.
QString nameProblem(const QString& name);

// The record that saving appends: header, body, end line, and an empty line after it.
QString appendedRecord(const QString& name, const QString& body);
// The file text after saving: the old text (with a line break added when its last line had none)
// followed by the record.
QString fileWithRecord(const QString& oldText, const QString& name, const QString& body);

// The file text after deleting the first record whose header line is exactly the name's: the
// other records back to back, the file ending in one more line break. nullopt when there is no
// such record.
std::optional<QString> fileWithout(const QString& content, const QString& name);

// The body of a record in the content, from the line break after its header line through the
// line break before its end line (start, length in characters of the content); nullopt when
// the name has no record.
struct Range {
    int start = 0;
    int length = 0;
};
std::optional<Range> bodyRange(const QString& content, const QString& name);

} // namespace templatefile

// The template panel: saving the selection (or the whole text) as a named template, deleting
// one, and pasting one at the caret. Its buttons are the dispatcher's 115 to 119.
class Templates {
public:
    Templates(Workspace& workspace, UndoRing& undo, EditorFonts& fonts, PanelKit& panels, ControlRegistry& controls,
              Dispatcher& dispatcher);

    // The File menu's "テンプレートの保存" and "テンプレートの呼び出し".
    void declareCommands(CommandRegistry& commands);

    enum class PanelMode { Save, Insert };
    void showPanel(PanelMode mode);
    void loadTemplateList();
    void saveTemplate();
    void deleteTemplate();
    void pasteTemplate();
    // A name chosen in the name list: into the name box, and its body selected in the content box.
    void showChosenTemplate(int row);

    QString templateFilePath() const;

private:
    void build(PanelKit& panels);
    // The file as it is on disk; nullopt (after a message) when it exists and cannot be read.
    std::optional<QString> readFile();
    bool writeFile(const QString& text);
    Workspace& ws;
    UndoRing& undo;
    EditorFonts& fonts;
    ControlRegistry& controls;
};
