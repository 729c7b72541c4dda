#include "wizards/generators/FramesetGenerator.h"

#include "platform/SharedConstants.h"
#include "wizards/generators/GeneratorSupport.h"

namespace gen {

namespace {

QString scrolling(int choice, const QString& yesAttribute)
{
    if (choice == 0)
        return yesAttribute + quoted(QStringLiteral("yes"));
    return QStringLiteral(" SCROLLING=") + quoted(choice == 1 ? QStringLiteral("no") : QStringLiteral("auto"));
}

} // namespace

FramesetPage makeFrameset(const FramesetInput& in)
{
    FramesetPage out;
    QString border;
    if (in.borders) {
        const auto width = toPixels(in.borderWidth, MmPerPixelFrameBorder);
        if (!width) {
            out.message = QStringLiteral("設定が違います");
            return out;
        }
        if (*width != 0)
            border = QStringLiteral(" FRAMEBORDER=") + quoted(QStringLiteral("yes")) + QStringLiteral(" BORDER=") + quoted(QString::number(*width));
        border += QStringLiteral(" BORDERCOLOR=") + quoted(in.borderColour);
    } else {
        border = QStringLiteral(" FRAMEBORDER=") + quoted(QStringLiteral("no"));
    }
    const QString split = (in.columns ? QStringLiteral("cols=") : QStringLiteral("rows=")) + quoted(in.firstSize + QStringLiteral("%,*"));

    const QStringList lines = {
        QStringLiteral("<!DOCTYPE HTML PUBLIC ") + quoted(QStringLiteral("-//W3C//DTD HTML 4.01 Frameset//EN")) + QStringLiteral(">"),
        QStringLiteral("<HTML lang=") + quoted(QStringLiteral("ja")) + QStringLiteral(">"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<TITLE> </TITLE>"),
        QStringLiteral("<META http-equiv=") + quoted(QStringLiteral("Content-Type")) + QStringLiteral(" content=")
            + quoted(QStringLiteral("text/html; charset=Shift_JIS")) + QStringLiteral(" > "),
        QStringLiteral("<META http-equiv=") + quoted(QStringLiteral("Content-Style-Type")) + QStringLiteral(" content=")
            + quoted(QStringLiteral("text/css")) + QStringLiteral(">"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("    <FRAMESET ") + split + border + QStringLiteral(">"),
        QStringLiteral("       <FRAME SRC =") + quoted(in.firstPage) + scrolling(in.firstScrolling, QStringLiteral(" SCROLLING="))
            + QStringLiteral(" NAME=") + quoted(in.firstName) + (in.firstScrolling == 0 ? QStringLiteral(" NORESIZE") : QString())
            + QStringLiteral(">"),
        QStringLiteral("       <FRAME SRC =") + quoted(in.secondPage) + scrolling(in.secondScrolling, QStringLiteral(" scrolling="))
            + QStringLiteral(" NAME=") + quoted(in.secondName) + QStringLiteral(">"),
        QStringLiteral("</FRAMESET>"),
        QStringLiteral("</HTML>"),
    };
    out.page = lines.join(CrLf);
    if (in.setTarget)
        out.baseLine = QStringLiteral("<BASE TARGET=") + quoted(in.target) + QStringLiteral(">") + CrLf;
    return out;
}

QString insertBaseTarget(const QString& text, const QString& baseLine)
{
    const int p = findTag(text, QStringLiteral("</HEAD>"));
    if (p < 0 || baseLine.isEmpty())
        return text;
    return text.left(p) + baseLine + text.mid(p);
}

int framesetDocument(const QStringList& documentTexts)
{
    for (qsizetype i = documentTexts.size() - 1; i >= 2; --i)
        if (documentTexts[i].isEmpty())
            return static_cast<int>(i);
    return -1;
}

bool isFramesPage(const QString& namePart, const FramesetInput& in)
{
    return namePart == in.pageName || namePart == in.firstPage || namePart == in.secondPage;
}

QString framesSaveFirstMessage()
{
    return QStringLiteral("フレームにする１番目と２番目のファイルを、先に名前を付けて保存して下さい。") + FaceSweat;
}

FrameNames frameNamesForSplit(int option5Index)
{
    if (option5Index == 0)
        return {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("right")};
    return {QStringLiteral("top"), QStringLiteral("down"), QStringLiteral("down")};
}

} // namespace gen
