#include "shell/MainWindow.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "platform/VbString.h"
#include "platform/WebBrowser.h"
#include "shell/PathHelpers.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

fomPelmor::fomPelmor(Module1& module, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m1(module)
    , dlg(dialogs)
    , tabs(*this)
    , files(*this)
    , projects(*this)
    , colour(*this)
    , undo(*this)
    , insert(*this)
    , regions(*this)
    , fonts(*this)
    , preview(*this)
    , lineBreaks(*this)
    , prep(*this)
{
    setWindowTitle(QStringLiteral("HTMLペルモア"));
    createControls();
    createMenus();

    // The window's design holds one document.
    auto first = std::make_unique<Document>();
    first->DataPath = m1.dataFolder;
    docs.push_back(std::move(first));
    docs.front()->HtText = tabs.createEditor();
    TabStrip1->Add(QString());
    TabStrip1->Add(QString());
    connect(TabStrip1, &TabStrip::Click, this, [this] { preview.TabStrip1_Click(); });

    qApp->installEventFilter(this);
}

fomPelmor::~fomPelmor()
{
    qApp->removeEventFilter(this);
    // The editors' handlers reach the subsystems, which go before the window's children do.
    for (auto& d : docs) {
        delete d->HtText;
        d->HtText = nullptr;
        delete d->WebB1;
        d->WebB1 = nullptr;
    }
}

void fomPelmor::createControls()
{
    central_ = new QWidget(this);
    setCentralWidget(central_);
    Toolbar = new QToolBar(central_);
    Toolbar->setMovable(false);
    TabStrip1 = new TabStrip(central_);
    sbStatusBar = new QStatusBar(central_);
    sbStatusBar->setSizeGripEnabled(false);
    statusPanel1 = new QLabel(sbStatusBar);
    sbStatusBar->addWidget(statusPanel1, 1);
    Text45 = new QLineEdit(central_);
    Text45->hide();
}

void fomPelmor::createMenus()
{
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));

    mj = bar->addMenu(QStringLiteral("自動作成"));
    auto* autoRun = mj->addAction(QStringLiteral("自動作成自動実行"));
    autoRun->setCheckable(true);
    mjidou.set(0, autoRun);
    connect(autoRun, &QAction::triggered, this, [this, autoRun] {
        autoRun->setChecked(!autoRun->isChecked()); // the handler sets the mark
        mjidou_Click(0);
    });

    mFontSet = bar->addMenu(QStringLiteral("フォントの設定"));
    const QString captions[] = {
        QStringLiteral("エディターフォントの設定"), QStringLiteral("フォントカラーＡ"), QStringLiteral("フォントカラーＢ"),
        QStringLiteral("フォントカラーＣ"), QStringLiteral("フォントカラーＤ"), QStringLiteral("-"),
        QStringLiteral("解説窓のフォントの設定"),
    };
    for (int i = 0; i < 7; ++i) {
        QAction* a = captions[i] == QStringLiteral("-") ? mFontSet->addSeparator() : mFontSet->addAction(captions[i]);
        if (i >= 1 && i <= 4)
            a->setCheckable(true);
        Mefont1.set(i, a);
        // The check mark is set by the handler alone.
        connect(a, &QAction::triggered, this, [this, i, a] {
            if (i >= 1 && i <= 4)
                a->setChecked(!a->isChecked());
            fonts.Mefont1_Click(i);
        });
    }

    mnuHelp = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    auto* ie = mnuHelp->addAction(QStringLiteral("ヘルプをie(エクスプローラー）で表示"));
    ie->setCheckable(true);
    mhelp.set(2, ie);
    connect(ie, &QAction::triggered, this, [this, ie] {
        ie->setChecked(!ie->isChecked());
        mhelp_Click(2);
    });
}

int fomPelmor::TabCount() const
{
    return TabStrip1->Count();
}

void fomPelmor::SetStatusText(const QString& text)
{
    statusPanel1->setText(text);
}

QString fomPelmor::StatusText() const
{
    return statusPanel1->text();
}

void fomPelmor::Form_Load()
{
    m1.ini.ReadIni(m1.iniPath());
    auto setting = [this](const QString& key, const QString& def) {
        return m1.ini.GetIniSetting(SettingsApp, SettingsSection, key, def);
    };
    twips::SetWindowGeometry(this, static_cast<int>(vb::Val(setting(QStringLiteral("MainLeft"), QStringLiteral("500")))),
                             static_cast<int>(vb::Val(setting(QStringLiteral("MainTop"), QStringLiteral("500")))),
                             static_cast<int>(vb::Val(setting(QStringLiteral("MainWidth"), QStringLiteral("12000")))),
                             static_cast<int>(vb::Val(setting(QStringLiteral("MainHeight"), QStringLiteral("9000")))));
    mhelp(2)->setChecked(setting(QStringLiteral("ie"), QStringLiteral("OFF")) == QStringLiteral("ON"));
    files.buildFileMenu();
    Text45->setText(setting(QStringLiteral("Indent"), QStringLiteral("50")));

    for (int i = 1; i <= 3; ++i)
        Mefont1(i)->setChecked(false);
    int scheme = static_cast<int>(vb::Val(setting(QStringLiteral("FontColor"), QStringLiteral("1"))));
    if (scheme < 1 || scheme > 4)
        scheme = 1;
    Mefont1(scheme)->setChecked(true);

    mjidou(0)->setChecked(setting(QStringLiteral("Auto"), QStringLiteral("1")) == QStringLiteral("1"));

    QString fontName = setting(QStringLiteral("FontName"), QString());
    if (fontName.isEmpty())
        fontName = QStringLiteral("IPAGothic");
    QFont font(fontName);
    double size = vb::Val(setting(QStringLiteral("FontSize"), QStringLiteral("12")));
    font.setPointSizeF(size > 0 ? size : 12);
    font.setBold(setting(QStringLiteral("FontBold"), QStringLiteral("0")) != QStringLiteral("0"));
    font.setItalic(setting(QStringLiteral("FontItalic"), QStringLiteral("0")) != QStringLiteral("0"));
    font.setUnderline(setting(QStringLiteral("FontUnderLine"), QStringLiteral("0")) != QStringLiteral("0"));
    HtText(0)->SetEditorFont(font);
    colour.Setcolor2(HtText(0));

    LayoutMain();
    tabs.InitFirstTab();
    if (Mefont1(4)->isChecked())
        fonts.Mefont1_Click(4);
}

void fomPelmor::LayoutMain()
{
    if (layoutBusy_)
        return;
    layoutBusy_ = true;
    const int width = twips::fromPixels(central_->width());
    const int height = twips::fromPixels(central_->height());
    twips::SetGeometry(Toolbar, 0, 0, width, 400);
    twips::SetGeometry(TabStrip1, 0, 400, width, std::max(0, height - 700));
    twips::SetGeometry(sbStatusBar, 0, std::max(0, height - 300), width, 300);
    TabStrip1->layoutChildren();
    const QRect area = TabStrip1->DisplayArea()->rect();
    for (auto& d : docs) {
        d->HtText->setGeometry(area);
        if (d->WebB1)
            d->WebB1->setGeometry(area);
    }
    layoutBusy_ = false;
}

void fomPelmor::LayoutPanel(int frameIndex, int labelIndex, int buttonIndex, int textIndex)
{
    QWidget* f = Frame(frameIndex);
    QWidget* l = Label(labelIndex);
    QWidget* b = Cmdcmd(buttonIndex);
    QWidget* t = Text(textIndex);
    twips::SetLeft(l, 50);
    twips::SetTop(l, 180);
    twips::SetHeight(l, 285);
    twips::SetWidth(l, twips::Width(f) - 100);
    twips::SetTop(b, twips::Top(l));
    twips::SetWidth(b, 330);
    twips::SetLeft(b, twips::Left(l) + twips::Width(l) - twips::Width(b));
    twips::SetHeight(b, twips::Height(l));
    twips::SetTop(t, twips::Top(l) + twips::Height(l) + 285 + 100);
    twips::SetLeft(t, twips::Left(l));
    twips::SetWidth(t, twips::Width(l));
    twips::SetHeight(t, twips::Height(f) - (twips::Top(l) + twips::Height(l) + 285 + 200));
}

void fomPelmor::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayoutMain();
}

bool fomPelmor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        CtrlDown = false;
        return false;
    }
    if (Form_KeyDown(key->key(), key->modifiers())) {
        key->accept();
        return true;
    }
    return false;
}

bool fomPelmor::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods == Qt::ControlModifier)
        CtrlDown = true;
    if (key != Qt::Key_Tab && key != Qt::Key_Backtab)
        return false;
    if (CurDoc >= DocCount())
        return false;
    RichEdit* ed = CurEditor();
    // Only while the editor itself has the focus: Tab elsewhere moves between controls.
    if (QApplication::focusWidget() != ed || ed->SelLength() == 0)
        return false;
    const QString tab = QStringLiteral("\t");
    if (key == Qt::Key_Tab && mods == Qt::NoModifier) {
        QString s = tab + ed->SelText();
        s.replace(CrLf, CrLf + tab);
        if (s.endsWith(tab))
            s.chop(1);
        ed->SetSelText(s);
        return true;
    }
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && mods == Qt::ShiftModifier)) {
        QString s = ed->SelText();
        if (s.startsWith(tab))
            s.remove(0, 1);
        s.replace(CrLf + tab, CrLf);
        ed->SetSelText(s);
        return true;
    }
    return false;
}

bool fomPelmor::Form_QueryUnload()
{
    if (Unsaved
        && dlg.MsgBox(QStringLiteral("保存されていないデータｰが有ります、終了しますか?"), MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    return true;
}

void fomPelmor::deleteOwnTempFiles(const QString& folder)
{
    if (folder.isEmpty())
        return;
    QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (isOwnTempPageName(name) || name == QStringLiteral("test.$$$"))
            dir.remove(name);
    }
}

bool fomPelmor::Form_Unload()
{
    for (int i = 0; i < DocCount(); ++i) {
        Document& d = doc(i);
        if (!d.Modified || vb::Trim(d.HtText->Text()).isEmpty())
            continue;
        const QString question = vb::Str(static_cast<long long>(i + 1))
            + QStringLiteral("番目のファイルが保存されていません、保存せずに終了しますか？");
        if (dlg.MsgBox(question, MsgButtons::YesNo) != MsgResult::Yes)
            return false;
    }
    const bool written = m1.ini.WriteIni(m1.iniPath());
    deleteOwnTempFiles(doc(CurDoc).DataPath);
    if (QDir(doc(CurDoc).DataPath).absolutePath() != QDir(m1.programFolder).absolutePath())
        deleteOwnTempFiles(m1.programFolder);
    if (!isMinimized()) {
        auto store = [this](const QString& key, const QString& value) {
            m1.ini.SaveIniSetting(SettingsApp, SettingsSection, key, value);
        };
        store(QStringLiteral("MainLeft"), QString::number(twips::WindowLeft(this)));
        store(QStringLiteral("MainTop"), QString::number(twips::WindowTop(this)));
        store(QStringLiteral("MainWidth"), QString::number(twips::WindowWidth(this)));
        store(QStringLiteral("MainHeight"), QString::number(twips::WindowHeight(this)));
        store(QStringLiteral("DataPath"), doc(CurDoc).DataPath);
    }
    if (!m1.ini.WriteIni(m1.iniPath()) && !written)
        dlg.MsgBox(QStringLiteral("設定ファイルが書き込めませんでした。設定は保存されません。") + CrLf + m1.iniPath());
    return true;
}

void fomPelmor::closeEvent(QCloseEvent* event)
{
    if (closing_ || unloaded_) {
        event->accept();
        return;
    }
    closing_ = true;
    const bool ok = Form_QueryUnload() && Form_Unload();
    closing_ = false;
    if (!ok) {
        event->ignore();
        return;
    }
    unloaded_ = true;
    event->accept();
}

void fomPelmor::mjidou_Click(int index)
{
    if (index != 0)
        return;
    QAction* item = mjidou(0);
    item->setChecked(!item->isChecked());
    m1.ini.SaveIniSetting(SettingsApp, SettingsSection, QStringLiteral("Auto"),
                          item->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void fomPelmor::mhelp_Click(int index)
{
    if (index != 2)
        return;
    QAction* item = mhelp(2);
    item->setChecked(!item->isChecked());
    m1.ini.SaveIniSetting(SettingsApp, SettingsSection, QStringLiteral("ie"),
                          item->isChecked() ? QStringLiteral("ON") : QStringLiteral("OFF"));
}
