#include "wizards/generators/PageSkeletons.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "wizards/generators/GeneratorSupport.h"

#include <QStringList>

#ifndef PELMOR_VERSION_MAJOR
#error "the build defines the program's version"
#endif

namespace gen {

namespace {

// The head lines up to the content type, which differs in its last blank between the two pages.
QStringList pageHead(bool blankAfterContentType)
{
    return {
        QStringLiteral("<!DOCTYPE HTML PUBLIC ") + quoted(QStringLiteral("-//W3C//DTD HTML 4.01 Transitional//EN")) + QStringLiteral(">"),
        QStringLiteral("<HTML lang=") + quoted(QStringLiteral("ja")) + QStringLiteral(">"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<META name=") + quoted(QStringLiteral("GENERATOR")) + QStringLiteral(" content=")
            + quoted(generatorContent()) + QStringLiteral(">"),
        QStringLiteral("<META http-equiv=") + quoted(QStringLiteral("Content-Type")) + QStringLiteral(" content=")
            + quoted(QStringLiteral("text/html; charset=Shift_JIS"))
            + (blankAfterContentType ? QStringLiteral(" > ") : QStringLiteral(" >")),
        QStringLiteral("<META http-equiv=") + quoted(QStringLiteral("Content-Style-Type")) + QStringLiteral(" content=")
            + quoted(QStringLiteral("text/css")) + QStringLiteral(">"),
        QStringLiteral("<TITLE></TITLE>"),
        QStringLiteral("</HEAD>"),
    };
}

QString welcomeParagraph()
{
    const QStringList lines = {
        QString(10, QChar(0x3000)) + QStringLiteral("「HTMLペルモア」とは?") + QStringLiteral(" <BR>"),
        QStringLiteral("「HTMLペルモア」はHTMLのソースエディターです。<BR>"),
        QStringLiteral("「ペルモア」という名前には、だれでも楽しくホームページを作れるようにという願いが込められています。<BR>"),
        QStringLiteral("メニューに従ってHTMLのソースを作っていくと知らず知らずにHTMLを理解することが出来ます。<BR>"),
        QStringLiteral("詳しい解説とCSSビルダー、CSSレッスンを使えば、スタイルシートも２日でマスターできます。<BR>"),
        QStringLiteral("又テキストの必要な個所だけを表示して編集できる「リージョン機能」はHTMLドキュメントの作成や<BR>"),
        QStringLiteral("編集の効率を飛躍的に高めます。<BR>"),
    };
    QString s = QStringLiteral("<P>") + CrLf;
    for (const QString& line : lines)
        s += line + CrLf;
    return s + QStringLiteral("</P>");
}

GeneratedEdit replaceDocument(const SkeletonInput& in, const QString& page)
{
    GeneratedEdit e;
    if (!textrules::trimBlanks(in.documentText).isEmpty())
        e.confirm = Prompt{QStringLiteral("ソースが存在しますが上書きしますか?"), Buttons::YesNo};
    e.replacesDocument = true;
    e.snapshot = true;
    e.primitive = Primitive::SetText;
    e.before = page;
    e.writeTempPage = true;
    return e;
}

} // namespace

QString generatorContent()
{
    return QStringLiteral("ZUDOzediva %1.%2.%3 for Windows")
        .arg(PELMOR_VERSION_MAJOR)
        .arg(PELMOR_VERSION_MINOR)
        .arg(PELMOR_VERSION_PATCH);
}

QString WrapPage(const QString& body)
{
    QStringList lines = pageHead(false);
    lines << QStringLiteral("<BODY>") << body << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
    return lines.join(CrLf);
}

QString pageSkeletonText()
{
    QStringList lines = pageHead(true);
    lines << QStringLiteral("<BODY> ") << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
    return lines.join(CrLf);
}

QString samplePageText()
{
    return WrapPage(welcomeParagraph());
}

GeneratedEdit makePageSkeleton(const SkeletonInput& in)
{
    GeneratedEdit e = replaceDocument(in, pageSkeletonText());
    e.selectAfter = Range{0, 0};
    return e;
}

GeneratedEdit makeSamplePage(const SkeletonInput& in)
{
    return replaceDocument(in, samplePageText());
}

} // namespace gen
