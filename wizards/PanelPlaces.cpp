#include "wizards/PanelPlaces.h"

#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyPanelControls.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr ControlId NoLayout;

// panel, explanation box, title, top, left, width, height, layout "×", font 12, selects the tab.
const PanelRow Rows[] = {
    // easy-creation menu
    {indent_panel::Panel, indent_panel::Explanation, indent_panel::Title, 1500, 1500, 5310, 3000, executeButton(ExecuteButton::IndentPanelCloseBox), true, false},
    {space_panel::Panel, space_panel::Explanation, space_panel::Title, 2000, 3000, 5000, 3500, executeButton(ExecuteButton::SpacePanelCloseBox), true, false},
    {title_panel::Panel, title_panel::Explanation, title_panel::Title, 3000, 3500, 6135, 3000, executeButton(ExecuteButton::TitlePanelCloseBox), true, true},
    {heading_panel::Panel, heading_panel::Explanation, heading_panel::Title, 3000, 3500, 5325, 4365, executeButton(ExecuteButton::HeadingPanelCloseBox), true, false},
    {body_colours_panel::Panel, body_colours_panel::Explanation, body_colours_panel::Title, 3000, 3500, 5500, 3025, executeButton(ExecuteButton::BodyColoursPanelCloseBox), true, true},
    {margins_panel::Panel, margins_panel::Explanation, margins_panel::Title, 3000, 3500, 5500, 3000, executeButton(ExecuteButton::MarginsPanelCloseBox), true, true},
    {comment_panel::Panel, comment_panel::Explanation, comment_panel::Title, 3000, 3500, 5000, 3000, executeButton(ExecuteButton::CommentPanelCloseBox), true, false},
    {paragraph_panel::Panel, paragraph_panel::Explanation, paragraph_panel::Title, 2000, 3500, 5610, 5415, executeButton(ExecuteButton::ParagraphPanelCloseBox), true, true},
    {position_panel::Panel, position_panel::Explanation, position_panel::Title, 3500, 3500, 5005, 3000, executeButton(ExecuteButton::PositionPanelCloseBox), true, true},
    {preformatted_panel::Panel, preformatted_panel::Explanation, preformatted_panel::Title, 3000, 3500, 5000, 3000, executeButton(ExecuteButton::PreformattedPanelCloseBox), true, false},
    {font_panel::Panel, font_panel::Explanation, font_panel::Title, 3000, 3500, 6270, 4830, NoLayout, false, false},
    {font_size_panel::Panel, font_size_panel::Explanation, font_size_panel::Title, 3000, 3400, 6000, 4290, NoLayout, false, false},
    {font_colour_panel::Panel, font_colour_panel::Explanation, font_colour_panel::Title, 3500, 3500, 5000, 3155, executeButton(ExecuteButton::FontColourPanelCloseBox), true, false},
    {emphasis_panel::Panel, emphasis_panel::Explanation, emphasis_panel::Title, 3000, 3400, 5000, 3155, executeButton(ExecuteButton::EmphasisPanelCloseBox), true, false},
    {strong_panel::Panel, strong_panel::Explanation, strong_panel::Title, 3000, 3400, 5000, 3155, executeButton(ExecuteButton::StrongPanelCloseBox), true, false},
    {font_shape_panel::Panel, font_shape_panel::Explanation, font_shape_panel::Title, 3000, 3500, 5000, 4000, NoLayout, false, false},
    // advanced menu: every opener selects the source tab
    {rule_panel::Panel, rule_panel::Explanation, rule_panel::Title, 3400, 3000, 6120, 4410, NoLayout, false, true},
    {image_panel::Panel, image_panel::Explanation, image_panel::Title, 1000, 3500, 7185, 7710, NoLayout, false, true},
    {list_panel::Panel, list_panel::Explanation, list_panel::Title, 3000, 3000, 5325, 5145, NoLayout, false, true},
    {link_panel::Panel, link_panel::Explanation, link_panel::Title, 3000, 3400, 7050, 4755, NoLayout, false, true},
    {page_jump_panel::Panel, page_jump_panel::Explanation, page_jump_panel::Title, 3500, 3500, 5955, 3465, NoLayout, true, true},
    {marquee_panel::Panel, marquee_panel::Explanation, marquee_panel::Title, 1000, 3000, 4605, 7800, NoLayout, false, true},
    {table_panel::Panel, table_panel::Explanation, table_panel::Title, 1000, 500, 10530, 8190, NoLayout, false, true},
    {mail_form_panel::Panel, mail_form_panel::Explanation, mail_form_panel::Title, 1500, 1500, 6180, 4605, executeButton(ExecuteButton::MailFormPanelCloseBox), true, true},
    {background_sound_panel::Panel, background_sound_panel::Explanation, background_sound_panel::Title, 3000, 3500, 6135, 4215, NoLayout, false, true},
    {movie_panel::Panel, movie_panel::Explanation, movie_panel::Title, 3000, 3400, 6285, 4290, NoLayout, false, true},
    {background_image_panel::Panel, background_image_panel::Explanation, background_image_panel::Title, 3000, 3500, 6780, 3855, NoLayout, false, true},
    {document_info_panel::Panel, document_info_panel::Explanation, document_info_panel::Title, 3000, 3400, 5760, 6315, NoLayout, false, true},
    {doctype_panel::Panel, doctype_panel::Explanation, doctype_panel::Title, 3000, 3400, 5625, 4560, NoLayout, false, true},
};

} // namespace

const PanelRow& panelRow(ControlId panel)
{
    for (const PanelRow& row : Rows) {
        if (std::strcmp(row.panel.key, panel.key) == 0)
            return row;
    }
    throw std::logic_error(std::string("no opener row for ") + panel.key);
}

PanelPlace placeOf(const PanelRow& row, const QString& explanation)
{
    PanelPlace p;
    p.panel = row.panel;
    p.explanationBox = row.explanation;
    p.explanation = explanation;
    p.top = row.top;
    p.left = row.left;
    p.width = row.width;
    p.height = row.height;
    p.selectSourceTab = row.selectTab;
    if (row.closeBox.valid()) {
        p.title = row.title;
        p.closeButton = row.closeBox;
    }
    p.font12 = row.font12;
    return p;
}
