#pragma once

#include <QString>

// Re-indenting of HTML source. Block tags of six families (P, DIV, H, BODY, TABLE, TR, each
// standing for every tag name that begins with it, so H also stands for HTML, HEAD and HR) are
// put on lines of their own, line-break marks are drawn up to the end of the text before them,
// empty lines are dropped, and every line is indented by one tab per open block of each family.
// A line's old indentation is replaced, so re-indenting an indented text gives it back as it is.
// Region markers stay whole. The work is linear in the length of the text.
QString indentHtml(const QString& text);

// n tab characters; none for n <= 0.
QString MakeTabs(int n);

// The number of tab characters at the start of s.
int CountTabs(const QString& s);
