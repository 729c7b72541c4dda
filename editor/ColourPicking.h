#pragma once

#include <QString>
#include <functional>

// A colour the picker hands over: the text chosen for insertion (the name when insertion by name
// is chosen and a name is there, the value otherwise), and the picker's value and name boxes.
struct PickedColour {
    QString chosen;
    QString value;
    QString name;
};

// Who asked for the next colour: the caller's own delivery, which writes its own box. The lesson
// window, when it is shown, may come to the front as the picker hides (the lesson shows the
// marquee's and the CSS builder's colours).
struct ColourRequest {
    enum class LessonWindow { Stays, ToFrontBeforeHiding, ToFrontAfterHiding };
    std::function<void(const PickedColour&)> deliver;
    LessonWindow lessonWindow = LessonWindow::Stays;
};

// The colour picker as the panels' colour buttons and the CSS builder reach it; the tool window
// implements it, and the editor's own colour commands ask for it by a signal.
class ColourPicking {
public:
    virtual ~ColourPicking() = default;
    // Shows the picker in front; its next colour goes to the request, which replaces any earlier
    // one. The request stays until a colour is delivered, closing the picker keeps it.
    virtual void pickColour(ColourRequest request) = 0;
    // Shows the picker and gives it the focus. A request that is waiting keeps waiting; without
    // one the colour goes into the editor's selection.
    virtual void showPicker() = 0;
};
