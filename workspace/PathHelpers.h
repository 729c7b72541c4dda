#pragma once

#include <QString>

// Name and colour helpers of the main window. Folders are separated by "/" only: a backslash is
// a character of a file name.

// colour = blue * 65536 + green * 256 + red; the result is "RRGGBB" in upper-case hex.
QString rgbHex(long colour);

// Drops every CR and LF.
QString withoutLineBreaks(const QString& s);

// n in decimal, padded with "0" in front to three characters (more digits are kept whole).
QString threeDigits(int n);

// name = the part after the last "/", folder = the rest including that "/". An empty full gives
// folder = currentDocFolder + "/" and an empty name.
void splitPath(const QString& full, QString& name, QString& folder, const QString& currentDocFolder);

// The part after the last "/" (all of it when there is none).
QString fileNameOf(const QString& path);
// The part before the last "/", without it ("" when there is none, and for "/x").
QString folderOf(const QString& path);

// The program's scratch pages are called "$$$" + three digits + ".html".
bool isOwnTempPageName(const QString& name);
QString tempPageName(int n);
