#pragma once

// What the tables of cases of the automatic-creation steps share.
#include <QString>

namespace stepcases {

// One row of a table: a text in and the text the step must give back.
struct TextCase {
    const char* name;
    QString in;
    QString out;
};

// The head lines that the navigation page and the frameset page share, up to "</HEAD>".
inline const QString FramesetHead = QStringLiteral(
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">\r\n"
    "<HTML lang=\"ja\">\r\n"
    "<HEAD>\r\n"
    "<TITLE> </TITLE>\r\n"
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\" > \r\n"
    "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n");

// The navigation page's lines in front of its links, its body start tag given by the caller.
inline QString navigationHead(const QString& bodyTag)
{
    return FramesetHead + QStringLiteral("</HEAD>\r\n") + bodyTag + QStringLiteral("<BASEFONT size=\"2\">\r\n");
}

inline const QString NavigationTail = QStringLiteral("\r\n</BODY>\r\n</HTML>\r\n");

} // namespace stepcases
