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
    bool bold = false;        // font_shape_panel::BoldCheck
    bool italic = false;      // font_shape_panel::ItalicCheck
    bool strike = false;      // font_shape_panel::StrikeCheck
    bool teletype = false;    // font_shape_panel::TeletypeCheck
    bool underline = false;   // font_shape_panel::UnderlineCheck
    bool script = false;      // font_shape_panel::ScriptCheck
    bool superscript = false; // font_shape_panel::SuperscriptOption "上付" selected; else font_shape_panel::SubscriptOption "下付"
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
    bool jumpSource = true; // page_jump_panel::SourceOption "ジャンプ元　名前" selected; else page_jump_panel::TargetOption
    QString sourceName;     // page_jump_panel::SourceNameBox
    QString targetName;     // page_jump_panel::TargetNameBox
};
// The page jump panel (Frame(30)), ExecuteButton::InsertPageJump.
GeneratedEdit makePageJump(const PageJumpInput& in);

struct BgsoundInput {
    EditorState editor;
    QString file;  // background_sound_panel::FileBox; receives the path as written
    QString count; // background_sound_panel::RepeatBox
    QString documentFolder;
};
// The background sound panel (Frame(7)), ExecuteButton::InsertBackgroundSound.
GeneratedEdit makeBgsound(const BgsoundInput& in);

struct DynsrcInput {
    EditorState editor;
    QString file; // movie_panel::FileBox; receives the path as written
    QString alt;  // movie_panel::TextBox
    QString documentFolder;
};
// The movie panel (Frame(8)), ExecuteButton::InsertMovie.
GeneratedEdit makeDynsrc(const DynsrcInput& in);

struct BgImageInput {
    EditorState editor;
    QString file;   // background_image_panel::FileBox; receives the path as written
    int repeat = 0; // background_image_panel::Repeat place: 0 repeat, 1 no-repeat, 2 repeat-x, 3 repeat-y
    QString documentFolder;
};
// The background image panel (Frame(9)), ExecuteButton::InsertBackgroundImage.
GeneratedEdit makeBgImage(const BgImageInput& in);

} // namespace gen
