#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>
#include <QStringList>

// The space, font shape, font, preformatted text and in-page jump panels, and the three panels
// that write into the body start tag: background sound, movie and background image.
namespace gen {

struct SpaceInput {
    EditorState editor;
};
// The space panel (Frame(18)), ExecuteButton::InsertSpace.
GeneratedEdit makeSpace(const SpaceInput& in);

struct FontShapeInput {
    EditorState editor;
    bool bold = false;        // Check4(0)
    bool italic = false;      // Check4(1)
    bool strike = false;      // Check4(2)
    bool teletype = false;    // Check4(3)
    bool underline = false;   // Check4(4)
    bool script = false;      // Check4(5)
    bool superscript = false; // Option4(0) "上付" selected; else Option4(1) "下付"
};
// The font shape panel (Frame(16)), ExecuteButton::InsertFontShape.
GeneratedEdit makeFontShape(const FontShapeInput& in);

struct FontInput {
    EditorState editor;
    QStringList fonts; // the entries of the font panel's list, first to last
};
// The font panel (Frame(10)), ExecuteButton::InsertFont.
GeneratedEdit makeFont(const FontInput& in);

struct PreInput {
    EditorState editor;
};
// The preformatted text panel (Frame(29)), ExecuteButton::InsertPreformatted.
GeneratedEdit makePre(const PreInput& in);

struct PageJumpInput {
    EditorState editor;
    bool jumpSource = true; // OptKensaku(4) "ジャンプ元　名前" selected; else OptKensaku(5)
    QString sourceName;     // Text6(15)
    QString targetName;     // Text6(16)
};
// The page jump panel (Frame(30)), ExecuteButton::InsertPageJump.
GeneratedEdit makePageJump(const PageJumpInput& in);

struct BgsoundInput {
    EditorState editor;
    QString file;  // Text6(1); receives the path as written
    QString count; // Text6(2)
    QString documentFolder;
};
// The background sound panel (Frame(7)), ExecuteButton::InsertBackgroundSound.
GeneratedEdit makeBgsound(const BgsoundInput& in);

struct DynsrcInput {
    EditorState editor;
    QString file; // Text6(4); receives the path as written
    QString alt;  // Text6(3)
    QString documentFolder;
};
// The movie panel (Frame(8)), ExecuteButton::InsertMovie.
GeneratedEdit makeDynsrc(const DynsrcInput& in);

struct BgImageInput {
    EditorState editor;
    QString file;   // Text6(5); receives the path as written
    int repeat = 0; // OoptGif index: 0 repeat, 1 no-repeat, 2 repeat-x, 3 repeat-y
    QString documentFolder;
};
// The background image panel (Frame(9)), ExecuteButton::InsertBackgroundImage.
GeneratedEdit makeBgImage(const BgImageInput& in);

} // namespace gen
