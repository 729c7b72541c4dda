#include "EditingFixture.h"

#include "editor/EditApply.h"
#include "platform/RichEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>

namespace {

const QChar Open(0x00AB);  // «
const QChar Close(0x00BB); // »

} // namespace

MarkedText parseMarked(const char* markedText)
{
    QString s = QString::fromUtf8(markedText);
    const qsizetype open = s.indexOf(Open);
    if (open < 0)
        return {s, {0, 0}};
    s.remove(open, 1);
    const qsizetype close = s.indexOf(Close);
    s.remove(close, 1);
    return {s, {static_cast<int>(open), static_cast<int>(close - open)}};
}

QString marked(const RichEdit* editor)
{
    QString s = editor->text();
    const Selection sel = selectionOf(editor);
    s.insert(sel.start + sel.length, Close);
    s.insert(sel.start, Open);
    return s;
}

QList<MarkRange> paintedRanges(const RichEdit* editor, const QColor& colour)
{
    QList<MarkRange> out;
    const QString text = editor->text();
    bool previous = false;
    for (int i = 0; i < text.size(); ++i) {
        // The LF of a line break is painted as its CR is.
        const bool painted = (i > 0 && text[i] == QLatin1Char('\n') && text[i - 1] == QLatin1Char('\r'))
            ? previous
            : editor->paintAt(i) == colour;
        if (painted) {
            if (previous)
                ++out.last().length;
            else
                out.append({i, 1});
        }
        previous = painted;
    }
    return out;
}

UrlCatcher::UrlCatcher()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void EditingFixture::SetUp()
{
    AppFixture::SetUp();
    QApplication::clipboard()->clear();
    // The tag button and the Edit-2 menu open the real tag dictionary.
    useShippedResource(QStringLiteral("tag.txt"));
    start();
}

RichEdit* EditingFixture::ed()
{
    return w().ws.currentEditor();
}

void EditingFixture::setDocument(const char* markedText)
{
    const MarkedText m = parseMarked(markedText);
    setDocument(m.text, m.selection);
}

void EditingFixture::setDocument(const QString& text, const Selection& selection)
{
    ed()->setText(text);
    w().colour.recolour(ed());
    ed()->setFocus();
    select(ed(), selection);
}

void EditingFixture::copyResource(const QString& name)
{
    const QString source = QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource/") + name);
    QFile::remove(path(QStringLiteral("resource/") + name));
    ASSERT_TRUE(QFile::copy(source, path(QStringLiteral("resource/") + name))) << source.toStdString();
}

void EditingFixture::runRows(std::span<const CommandRow> rows)
{
    QClipboard* clipboard = QApplication::clipboard();
    for (const CommandRow& row : rows) {
        SCOPED_TRACE(std::string(row.command.key) + " on " + row.before);
        setDocument(row.before);
        if (row.clipboardBefore)
            clipboard->setText(QString::fromUtf8(row.clipboardBefore));
        else
            clipboard->clear();
        if (row.message)
            dialogs.expectMsg(QString::fromUtf8(row.message), row.answer);
        w().commands.invoke(row.command);
        EXPECT_EQ(marked(ed()), QString::fromUtf8(row.after));
        EXPECT_EQ(red(), row.red);
        if (row.clipboardAfter)
            EXPECT_EQ(clipboard->text(), QString::fromUtf8(row.clipboardAfter));
        EXPECT_EQ(dialogs.pending(), 0) << "the message never came";
        dialogs.clear();
    }
}
