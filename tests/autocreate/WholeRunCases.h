#pragma once

// One text through the whole of automatic creation with the real generators and the panels as
// they start: a title, a paragraph with entities, an image and wrapped lines, both backgrounds,
// a list, a table and an escaped image pseudo-tag; and the pages it must give.
#include "autocreate/StepCases.h"
#include "wizards/generators/PageSkeletons.h"

#include <QString>

namespace wholerun {

inline const QString Text = QStringLiteral(
    "My Page\r\n"
    "\r\n"
    "Introduction\r\n"
    "Hello & \"welcome\" <画像 cat.gif>\r\n"
    "This line is wrapped\r\n"
    "and joined.\r\n"
    "\r\n"
    "<背景1 paper.gif>\r\n"
    "<背景2 side.gif>\r\n"
    "\r\n"
    "Fruits\r\n"
    "<項目>\r\n"
    "　apple\r\n"
    "　orange\r\n"
    " </項目>\r\n"
    "\r\n"
    "Prices\r\n"
    "<表>\r\n"
    " 品名,値段\r\n"
    " りんご、百円\r\n"
    " </表>\r\n"
    " \\<画像 literal.gif>\r\n");

inline QString pageHead(const QString& title = QStringLiteral("My Page"))
{
    return QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
                          "<HTML lang=\"ja\">\r\n"
                          "<HEAD>\r\n"
                          "<META name=\"GENERATOR\" content=\"") +
           gen::generatorContent() +
           QStringLiteral("\">\r\n"
                          "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\" >\r\n"
                          "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n"
                          "<TITLE>") +
           title + QStringLiteral("</TITLE>\r\n</HEAD>\r\n");
}

// Everything behind "<BODY" of the page.
inline const QString PageBody = QStringLiteral(
    " text=\"#0000A0\"  bgcolor=\"#FFE8D0\" >\r\n"
    "<HR size=\" 3\" width=\"80%\" align=\"center\" color=\"#FF6FB7\">\r\n"
    "<CENTER><FONT size =\"+2\">My Page</FONT></CENTER>\r\n"
    "<HR size=\" 3\" width=\"80%\" align=\"center\" color=\"#FF6FB7\">\r\n"
    "<P>\r\n"
    "<Font color=\"#0000BD\"><B><A name=\"Pelmor1\">Introduction</A></B></FONT><BR>\r\n"
    "Hello &amp; &quot;welcome&quot; <IMG src =\"cat.gif\" align=\"middle\" alt=\"画像ファイル\" >"
    "This line is wrappedand joined.<BR>\r\n"
    "</P>\r\n"
    "<P>\r\n"
    "<Font color=\"#0000BD\"><B><A name=\"Pelmor2\">Fruits</A></B></FONT><BR>\r\n"
    "\r\n"
    "\r\n"
    "<UL>\r\n"
    "<LI type=\"circle\">apple<BR>\r\n"
    "<LI type=\"circle\">orange<BR>\r\n"
    "\r\n"
    "</UL>\r\n"
    "</P>\r\n"
    "<P>\r\n"
    "<Font color=\"#0000BD\"><B><A name=\"Pelmor3\">Prices</A></B></FONT><BR>\r\n"
    "\r\n"
    "</P>\r\n"
    "<TABLE  border=\"3\" align=\"center\" bgcolor=\"#CEFFCE\" bordercolor=\"#008040\" frame=\"box\" rules=\"all\">\r\n"
    "<TR>\r\n"
    "<TH  align=\"center\">品名</TH>\r\n"
    "<TH  align=\"center\">値段<BR></TH>\r\n"
    "</TR>\r\n"
    "<TR>\r\n"
    "<TD  align=\"center\">りんご</TD>\r\n"
    "<TD  align=\"center\">百円<BR></TD>\r\n"
    "</TR>\r\n"
    "</TABLE>\r\n"
    "\\&lt;画像 literal.gif&gt;<BR>\r\n"
    "\r\n"
    "</BODY>\r\n"
    "</HTML>");

// The page without frames.
inline QString page()
{
    return pageHead() + QStringLiteral("<BODY") + PageBody;
}

// The body page of a frames run: its background image, and the escaped pseudo-tag without its
// backslash.
inline QString bodyPage()
{
    return pageHead() +
           QStringLiteral("<BODY  STYLE=\"background:#FFFFFF ; background:url(paper.gif) repeat\"") +
           QString(PageBody).replace(QStringLiteral("\\&lt;"), QStringLiteral("&lt;"));
}

inline QString navigationPage()
{
    return stepcases::FramesetHead +
           QStringLiteral(
               "<BASE TARGET=\"right\">\r\n"
               "</HEAD>\r\n"
               "<BODY text=\"#0000A0\"  bgcolor=\"#BBDDFF\"   STYLE=\"background:#FFFFFF ; background:url(side.gif) repeat\">"
               "<BASEFONT size=\"2\">\r\n"
               "<A href=\"memoright.html#Pelmor1\">Introduction<BR>\r\n</A><BR>\r\n"
               "<A href=\"memoright.html#Pelmor2\">Fruits<BR>\r\n</A><BR>\r\n"
               "<A href=\"memoright.html#Pelmor3\">Prices<BR>\r\n</A><BR>\r\n") +
           stepcases::NavigationTail;
}

inline QString framesetPage()
{
    return stepcases::FramesetHead +
           QStringLiteral("</HEAD>\r\n"
                          "    <FRAMESET cols=\"20%,*\" BORDERCOLOR=\"#000000\">\r\n"
                          "       <FRAME SRC =\"memoleft.html\" SCROLLING=\"auto\" NAME=\"left\">\r\n"
                          "       <FRAME SRC =\"memoright.html\" SCROLLING=\"auto\" NAME=\"right\">\r\n"
                          "</FRAMESET>\r\n"
                          "</HTML>");
}

// Lists and tables as a beginner writes them, each in a paragraph under its heading: one item or
// row a line, first plain, then the lines indented with ideographic, half-width and mixed blanks
// and the closing pseudo-tag not; and the page they must give, one item or row for each of those
// lines, the same with or without the indents (a later cell keeps its own blank).
inline const QString BlocksText = QStringLiteral(
    "わたしのページ\r\n"
    "\r\n"
    "好きな食べ物\r\n"
    "<項目>\r\n"
    "おにぎり\r\n"
    "ラーメン\r\n"
    "いちごのケーキ\r\n"
    "</項目>\r\n"
    "どれもおいしいです。\r\n"
    "\r\n"
    "一週間\r\n"
    "<表>\r\n"
    "月曜日,仕事\r\n"
    "火曜日,買い物\r\n"
    "水曜日,休み\r\n"
    "</表>\r\n"
    "\r\n"
    "好きな飲み物\r\n"
    "<項目>\r\n"
    "　お茶\r\n"
    "  牛乳\r\n"
    "　 ジュース\r\n"
    "</項目>\r\n"
    "\r\n"
    "時間割\r\n"
    "<表>\r\n"
    "　一時間目,国語\r\n"
    " 　二時間目,　算数\r\n"
    "</表>\r\n");

inline QString blocksPage()
{
    const QString table = QStringLiteral(
        "<TABLE  border=\"3\" align=\"center\" bgcolor=\"#CEFFCE\" bordercolor=\"#008040\" frame=\"box\" rules=\"all\">\r\n");
    const QString rule = QStringLiteral("<HR size=\" 3\" width=\"80%\" align=\"center\" color=\"#FF6FB7\">\r\n");
    return pageHead(QStringLiteral("わたしのページ")) +
           QStringLiteral("<BODY text=\"#0000A0\"  bgcolor=\"#FFE8D0\" >\r\n") + rule +
           QStringLiteral("<CENTER><FONT size =\"+2\">わたしのページ</FONT></CENTER>\r\n") + rule +
           QStringLiteral(
               "<P>\r\n"
               "<Font color=\"#0000BD\"><B><A name=\"Pelmor1\">好きな食べ物</A></B></FONT><BR>\r\n"
               "\r\n"
               "\r\n"
               "<UL>\r\n"
               "<LI type=\"circle\">おにぎり<BR>\r\n"
               "<LI type=\"circle\">ラーメン<BR>\r\n"
               "<LI type=\"circle\">いちごのケーキ<BR>\r\n"
               "\r\n"
               "</UL>\r\n"
               "どれもおいしいです。<BR>\r\n"
               "</P>\r\n"
               "<P>\r\n"
               "<Font color=\"#0000BD\"><B><A name=\"Pelmor2\">一週間</A></B></FONT><BR>\r\n"
               "\r\n"
               "</P>\r\n") +
           table +
           QStringLiteral(
               "<TR>\r\n"
               "<TH  align=\"center\">月曜日</TH>\r\n"
               "<TH  align=\"center\">仕事<BR></TH>\r\n"
               "</TR>\r\n"
               "<TR>\r\n"
               "<TD  align=\"center\">火曜日</TD>\r\n"
               "<TD  align=\"center\">買い物<BR></TD>\r\n"
               "</TR>\r\n"
               "<TR>\r\n"
               "<TD  align=\"center\">水曜日</TD>\r\n"
               "<TD  align=\"center\">休み<BR></TD>\r\n"
               "</TR>\r\n"
               "</TABLE>\r\n"
               "\r\n"
               "<P>\r\n"
               "<Font color=\"#0000BD\"><B><A name=\"Pelmor3\">好きな飲み物</A></B></FONT><BR>\r\n"
               "\r\n"
               "\r\n"
               "<UL>\r\n"
               "<LI type=\"circle\">お茶<BR>\r\n"
               "<LI type=\"circle\">牛乳<BR>\r\n"
               "<LI type=\"circle\">ジュース<BR>\r\n"
               "\r\n"
               "</UL>\r\n"
               "</P>\r\n"
               "<P>\r\n"
               "<Font color=\"#0000BD\"><B><A name=\"Pelmor4\">時間割</A></B></FONT><BR>\r\n"
               "\r\n"
               "</P>\r\n") +
           table +
           QStringLiteral(
               "<TR>\r\n"
               "<TH  align=\"center\">一時間目</TH>\r\n"
               "<TH  align=\"center\">国語<BR></TH>\r\n"
               "</TR>\r\n"
               "<TR>\r\n"
               "<TD  align=\"center\">二時間目</TD>\r\n"
               "<TD  align=\"center\">　算数<BR></TD>\r\n"
               "</TR>\r\n"
               "</TABLE>\r\n"
               "\r\n"
               "</BODY>\r\n"
               "</HTML>");
}

// True when every line of the text ends with CR LF: no CR or LF stands alone.
inline bool crLfOnly(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool cr = text[i] == QLatin1Char('\r');
        const bool lf = text[i] == QLatin1Char('\n');
        if (cr && (i + 1 == text.size() || text[i + 1] != QLatin1Char('\n')))
            return false;
        if (lf && (i == 0 || text[i - 1] != QLatin1Char('\r')))
            return false;
    }
    return true;
}

} // namespace wholerun
