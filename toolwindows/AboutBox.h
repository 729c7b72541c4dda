#pragma once

#include "platform/ControlRegistry.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>

class CommandRegistry;
class Dialogs;

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

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    // Where the system information comes from; tests put fixed facts in its place.
    std::function<SystemFacts()> systemFacts = currentSystemFacts;

private:
    void Form_Load();
    Dialogs& dlg;
};

// The Help menu's last item "ﾊﾞｰｼﾞｮﾝ情報(&A)" (`mnuHelpAbout`), placed behind the items of the
// menu `mhelp` and invoked as menu "mnuHelpAbout", index 0. It shows the About box modally,
// owned by the main window; one box at a time.
class AboutBoxOpener {
public:
    AboutBoxOpener(Dialogs& dialogs, QWidget* owner);
    ~AboutBoxOpener();

    void declareMenu(CommandRegistry& commands);
    void mnuHelpAbout_Click();
    // The box while it is shown, else nullptr.
    AboutBox* shown() const;

private:
    Dialogs& dlg;
    QWidget* owner_;
    QPointer<AboutBox> box_;
};
