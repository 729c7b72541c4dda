#pragma once

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"

#include <QDialog>
#include <QPointer>
#include <QMenu>
#include <QString>
#include <functional>

class Dialogs;

// The About box's controls, in the box's own registry, and the Help menu's item that shows it.
namespace about_box {

inline constexpr ControlId Title{"about-box.title"};
inline constexpr ControlId Version{"about-box.version"};
inline constexpr ControlId Description{"about-box.description"};
inline constexpr ControlId Disclaimer{"about-box.disclaimer"};
inline constexpr ControlId OkButton{"about-box.ok"};
inline constexpr ControlId SystemInformationButton{"about-box.system-information"};

// The one-item menu that stands behind the Help menu's own items, in the same menu.
inline constexpr MenuId AboutMenu{"about-box"};
// "ﾊﾞｰｼﾞｮﾝ情報(&A)": shows the About box.
inline constexpr CommandId ShowAboutBox{"about-box.show"};

} // namespace about_box

// What this system says about itself; a part it does not know is empty.
struct SystemFacts {
    QString operatingSystem;
    QString kernel;
    QString architecture;
    QString qtVersion;
};

SystemFacts currentSystemFacts();

// The system information shown by the About box, one line a fact known; empty when none is.
QString systemInformationText(const SystemFacts& facts);

// Shown when nothing can be found.
inline const QString SystemInformationMissing = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");

// "ﾊﾞｰｼﾞｮﾝ " and the program's version, major.minor.revision.
QString versionCaption();

// The About box: title, version, description and a notice, an OK button and the system
// information button. It stays on top of the other windows and is modal while it is shown.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(Dialogs& dialogs, QWidget* owner);

    ControlRegistry controls;

    // The system information button: what is known about the system, or a message that nothing
    // is, in a message box.
    void showSystemInformation();

    // Where the system information comes from; tests put fixed facts in its place.
    std::function<SystemFacts()> systemFacts = currentSystemFacts;

private:
    void fillCaptions();
    Dialogs& dlg;
};

// The Help menu's last item "ﾊﾞｰｼﾞｮﾝ情報(&A)", placed behind the items of the help menu and
// invoked as about_box::ShowAboutBox. It shows the About box modally, owned by the main window;
// one box at a time.
class AboutBoxOpener {
public:
    AboutBoxOpener(Dialogs& dialogs, QWidget* owner);
    ~AboutBoxOpener();

    // Its item goes into `helpMenu`, behind the help menu's own items.
    void declareMenu(CommandRegistry& commands, QMenu* helpMenu);
    void showBox();
    // The box while it is shown, else nullptr.
    AboutBox* shown() const;

private:
    Dialogs& dlg;
    QWidget* owner_;
    QPointer<AboutBox> box_;
};
