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

const QString DisclaimerText = QStringLiteral(
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

    auto* title = new QLabel(this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(this);
    auto* description = new QLabel(this);
    auto* disclaimer = new QLabel(this);
    disclaimer->setWordWrap(true);
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    auto* systemInformationButton = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    controls.add(about_box::Title, title);
    controls.add(about_box::Version, version);
    controls.add(about_box::Description, description);
    controls.add(about_box::Disclaimer, disclaimer);
    controls.add(about_box::OkButton, okButton);
    controls.add(about_box::SystemInformationButton, systemInformationButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(description);
    layout->addSpacing(12);
    layout->addWidget(disclaimer);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(systemInformationButton);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(okButton, &QPushButton::clicked, this, [this] { close(); });
    connect(systemInformationButton, &QPushButton::clicked, this, [this] { showSystemInformation(); });
    fillCaptions();
}

void AboutBox::fillCaptions()
{
    controls.get<QLabel>(about_box::Version)->setText(versionCaption());
    controls.get<QLabel>(about_box::Title)->setText(QStringLiteral("HTMLペルモア"));
    controls.get<QLabel>(about_box::Description)->setText(QStringLiteral("　　  HTML テキストエディター  "));
    controls.get<QLabel>(about_box::Disclaimer)->setText(DisclaimerText);
}

void AboutBox::showSystemInformation()
{
    const QString text = systemInformationText(systemFacts ? systemFacts() : SystemFacts{});
    dlg.message(text.isEmpty() ? SystemInformationMissing : text);
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

void AboutBoxOpener::declareMenu(CommandRegistry& commands, QMenu* helpMenu)
{
    // The item stands behind the help menu's own items, in the same menu.
    commands.addMenu(about_box::AboutMenu, helpMenu);
    CommandItem about{0, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)")};
    about.handler = [this] { showBox(); };
    about.id = about_box::ShowAboutBox;
    commands.define(about_box::AboutMenu, {about});
}

void AboutBoxOpener::showBox()
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
