#include "toolwindows/AboutBox.h"

#include "platform/CommandRegistry.h"
#include "platform/Dialogs.h"
#include "platform/SharedConstants.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

#ifndef PELMOR_VERSION_MAJOR
#error "the build defines the program's version"
#endif

namespace {

// Qt names a part it cannot find "unknown".
QString known(const QString& value)
{
    const QString v = value.trimmed();
    return v.compare(QStringLiteral("unknown"), Qt::CaseInsensitive) == 0 ? QString() : v;
}

const QString Disclaimer = QStringLiteral(
    "このプログラムは無保証です。使ったことで起きた損害について、作者は責任を負いません。"
    "大切なファイルは、こまめに保存して控えを取っておいて下さい。");

} // namespace

SystemFacts currentSystemFacts()
{
    SystemFacts facts;
    facts.operatingSystem = known(QSysInfo::prettyProductName());
    const QString kernelType = known(QSysInfo::kernelType());
    const QString kernelVersion = known(QSysInfo::kernelVersion());
    facts.kernel = (kernelType + QLatin1Char(' ') + kernelVersion).trimmed();
    facts.architecture = known(QSysInfo::currentCpuArchitecture());
    facts.qtVersion = known(QString::fromLatin1(qVersion()));
    return facts;
}

QString systemInformationText(const SystemFacts& facts)
{
    const std::pair<QString, QString> lines[] = {
        {QStringLiteral("オペレーティングシステム： "), facts.operatingSystem},
        {QStringLiteral("カーネル： "), facts.kernel},
        {QStringLiteral("アーキテクチャ： "), facts.architecture},
        {QStringLiteral("Qt のバージョン： "), facts.qtVersion},
    };
    QStringList shown;
    for (const auto& [label, value] : lines) {
        if (!value.trimmed().isEmpty())
            shown << label + value.trimmed();
    }
    return shown.join(CrLf);
}

QString versionCaption()
{
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + QString::number(PELMOR_VERSION_MAJOR) + QLatin1Char('.')
        + QString::number(PELMOR_VERSION_MINOR) + QLatin1Char('.') + QString::number(PELMOR_VERSION_PATCH);
}

AboutBox::AboutBox(Dialogs& dialogs, QWidget* owner)
    : QDialog(owner)
    , dlg(dialogs)
{
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 Lomvar"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);

    auto* lblTitle = new QLabel(this);
    QFont big = lblTitle->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    lblTitle->setFont(big);
    auto* lblVersion = new QLabel(this);
    auto* lblDescription = new QLabel(this);
    auto* lblDisclaimer = new QLabel(this);
    lblDisclaimer->setWordWrap(true);
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    auto* cmdSysInfo = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    controls.add(QStringLiteral("lblTitle"), lblTitle);
    controls.add(QStringLiteral("lblVersion"), lblVersion);
    controls.add(QStringLiteral("lblDescription"), lblDescription);
    controls.add(QStringLiteral("lblDisclaimer"), lblDisclaimer);
    controls.add(QStringLiteral("cmdOK"), cmdOK);
    controls.add(QStringLiteral("cmdSysInfo"), cmdSysInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblVersion);
    layout->addWidget(lblDescription);
    layout->addSpacing(12);
    layout->addWidget(lblDisclaimer);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
    Form_Load();
}

void AboutBox::Form_Load()
{
    controls.get<QLabel>(QStringLiteral("lblVersion"))->setText(versionCaption());
    controls.get<QLabel>(QStringLiteral("lblTitle"))->setText(QStringLiteral("HTMLペルモア"));
    controls.get<QLabel>(QStringLiteral("lblDescription"))->setText(QStringLiteral("　　  HTML テキストエディター  "));
    controls.get<QLabel>(QStringLiteral("lblDisclaimer"))->setText(Disclaimer);
}

void AboutBox::cmdOK_Click()
{
    close();
}

void AboutBox::cmdSysInfo_Click()
{
    StartSysInfo();
}

void AboutBox::StartSysInfo()
{
    const QString text = systemInformationText(systemFacts ? systemFacts() : SystemFacts{});
    dlg.MsgBox(text.isEmpty() ? SystemInformationMissing : text);
}

AboutBoxOpener::AboutBoxOpener(Dialogs& dialogs, QWidget* owner)
    : dlg(dialogs)
    , owner_(owner)
{
}

AboutBoxOpener::~AboutBoxOpener()
{
    delete box_.data();
}

void AboutBoxOpener::declareMenu(CommandRegistry& commands)
{
    // The item stands behind the help menu's own items, in the same menu.
    commands.addMenu(QStringLiteral("mnuHelpAbout"), commands.menu(QStringLiteral("mhelp")));
    CommandItem about{0, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)")};
    about.handler = [this] { mnuHelpAbout_Click(); };
    commands.define(QStringLiteral("mnuHelpAbout"), {about});
}

void AboutBoxOpener::mnuHelpAbout_Click()
{
    if (!box_)
        box_ = new AboutBox(dlg, owner_);
    box_->show();
    box_->raise();
    box_->activateWindow();
}

AboutBox* AboutBoxOpener::shown() const
{
    return box_ && box_->isVisible() ? box_.data() : nullptr;
}
