#include "wizards/generators/TableGenerator.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace gen {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QChar(0x3001);
}

QString piece(const char* name, const QString& value)
{
    return QStringLiteral(" %1=").arg(QLatin1String(name)) + quoted(value);
}

// The cells row by row; a row shorter than the longest is filled with empty cells.
QList<QStringList> cells(const QString& source)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    qsizetype columns = 1;
    for (const QChar c : source) {
        if (c == QLatin1Char('\r'))
            continue;
        if (isSeparator(c) || c == QLatin1Char('\n')) {
            row.append(cell);
            cell.clear();
            if (c == QLatin1Char('\n')) {
                columns = std::max(columns, row.size());
                rows.append(row);
                row.clear();
            }
            continue;
        }
        cell += c;
    }
    for (QStringList& r : rows)
        while (r.size() < columns)
            r.append(QString());
    return rows;
}

// The attributes of the start tag; empty when a millimetre box is too large to write.
std::optional<QString> tableAttributes(const TableInput& in)
{
    const auto border = toPixels(in.border, MmPerPixel);
    const auto height = toPixels(in.height, MmPerPixel);
    const auto width = toPixels(in.width, MmPerPixel);
    if (!border || !height || !width)
        return std::nullopt;
    QString a;
    if (textrules::leadingNumber(in.border) != 0)
        a += piece("border", QString::number(*border));
    a += piece("align", in.tableAlign == 0 ? QStringLiteral("left") : in.tableAlign == 1 ? QStringLiteral("center") : QStringLiteral("right"));
    if (in.background != QLatin1String("#000000"))
        a += piece("bgcolor", in.background);
    if (!in.borderColour.isEmpty()) {
        a += piece("bordercolor", in.borderColour);
    } else if (!textrules::trimBlanks(in.lightColour).isEmpty()) {
        a += piece("bordercolorlight", in.lightColour);
        if (!textrules::trimBlanks(in.darkColour).isEmpty())
            a += piece("bordercolordark", in.darkColour);
    }
    static const char* const frames[] = {"border", "above", "below", "hsides", "vsides", "lhs", "rhs", "box"};
    if (in.frame >= 0 && in.frame < 8)
        a += piece("frame", QLatin1String(frames[in.frame]));
    static const char* const rules[] = {"all", "rows", "cols"};
    if (in.rules >= 0 && in.rules < 3)
        a += piece("rules", QLatin1String(rules[in.rules]));
    if (textrules::leadingNumber(in.horizontalSpacing) != 0)
        a += piece("hspace", in.horizontalSpacing);
    if (textrules::leadingNumber(in.verticalSpacing) != 0)
        a += piece("vspace", in.verticalSpacing);
    if (*height != 0)
        a += piece("height", QString::number(*height));
    if (*width != 0)
        a += piece("width", QString::number(*width));
    return a;
}

// The attributes every cell carries: the horizontal and the vertical position of its text.
QString cellAttributes(const TableInput& in)
{
    QString a;
    if (in.cellAlign == 1 || in.cellAlign == 2)
        a += piece("align", in.cellAlign == 1 ? QStringLiteral("center") : QStringLiteral("right"));
    if (in.cellValign == 0 || in.cellValign == 2)
        a += piece("valign", in.cellValign == 0 ? QStringLiteral("top") : QStringLiteral("bottom"));
    return a;
}

bool isHeaderCell(int headers, qsizetype r, qsizetype c)
{
    return (headers == 1 && r == 0) || (headers == 2 && c == 0) || (headers == 3 && (r == 0 || c == 0));
}

} // namespace

GeneratedEdit makeTable(const TableInput& in)
{
    const bool fromSelection = in.editor.selLength > 0;
    QString source = textrules::trimBlanks(fromSelection ? in.editor.selText() : in.source);
    if (source.isEmpty())
        return {};
    if (!source.endsWith(QLatin1Char('\n')))
        source += CrLf;

    const auto attributes = tableAttributes(in);
    if (!attributes)
        return messageOnly(tooLargeMessage());
    QString table = QStringLiteral("<TABLE ") + *attributes + QStringLiteral(">") + CrLf;
    if (!textrules::trimBlanks(in.title).isEmpty())
        table += QStringLiteral("<CAPTION align=") + quoted(in.captionPosition == 1 ? QStringLiteral("top") : QStringLiteral("bottom"))
                 + QStringLiteral(">") + in.title + QStringLiteral("</CAPTION>") + CrLf;
    const QString cellPiece = cellAttributes(in);
    const QList<QStringList> rows = cells(source);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        table += QStringLiteral("<TR>") + CrLf;
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            const QString name = isHeaderCell(in.headers, r, c) ? QStringLiteral("TH") : QStringLiteral("TD");
            table += QStringLiteral("<%1 ").arg(name) + cellPiece + QStringLiteral(">") + rows[r][c] + QStringLiteral("</%1>").arg(name) + CrLf;
        }
        table += QStringLiteral("</TR>") + CrLf;
    }
    table += QStringLiteral("</TABLE>");

    if (!fromSelection) {
        GeneratedEdit e = selects(table, QString(), {ControlRef(table_panel::Panel)});
        e.snapshot = true;
        return e;
    }
    GeneratedEdit e;
    e.snapshot = true;
    e.fields = {{ControlRef(table_panel::DataBox), in.editor.selText()}};
    e.hide = {ControlRef(table_panel::Panel)};
    e.selectFirst = Range{in.editor.selStart, in.editor.selLength};
    e.primitive = Primitive::ReplaceSelection;
    e.before = table;
    e.paint = {Range{in.editor.selStart, static_cast<int>(table.size())}};
    e.selectAfter = Range{in.editor.selStart + static_cast<int>(table.size()), 0};
    return e;
}

QString sampleTableText()
{
    const QStringList lines = {
        QStringLiteral("曜日/時間 、月曜、火曜、水曜、木曜、金曜　"),
        QStringLiteral("1時間目   、国語、算数、理科、社会、美術  "),
        QStringLiteral("2時間目   、音楽、算数、理科、社会、英語  "),
        QStringLiteral("3時間目   、算数、社会、理科、美術、国語  "),
        QStringLiteral("4時間目   、社会、理科、音楽、美術、算数  "),
    };
    return lines.join(CrLf) + CrLf;
}

} // namespace gen
