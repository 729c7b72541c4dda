#include "platform/RichEdit.h"
#include "support/AppFixture.h"
#include "support/FileTestSupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <sys/stat.h>

// Every kind of file a user may open by mistake or from another program, through the open
// command: what the user is told, and that the file on disk is as it was, byte for byte, unless
// the user saved it (then it gives back its own bytes where it was read exactly).
class BadInputTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        web = temp.path() + QStringLiteral("/web");
        QDir().mkpath(web);
    }
    RichEdit* ed() { return w().ws.currentEditor(); }
    QString web;
};

namespace {

QByteArray utf16(const QString& text, bool bigEndian)
{
    QByteArray out(bigEndian ? "\xFE\xFF" : "\xFF\xFE", 2);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const char hi = static_cast<char>(u >> 8);
        const char lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

QByteArray randomBytes()
{
    QRandomGenerator random(1234);
    QByteArray bytes(4096, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random.bounded(256));
    return bytes;
}

} // namespace

TEST_F(BadInputTest, EachFileIsToldAboutAndLeftAsItWas)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* told;  // part of the one message the user gets; nullptr: none
        bool opens;
        bool saveGivesItBack; // saved at once, the file keeps its bytes
    };
    const Case cases[] = {
        {"empty.html", QByteArray(), nullptr, true, false},
        {"random.html", randomBytes(), "Shift_JIS として正しく読めない", true, false},
        {"nul.html", QByteArray("<P>a\0b</P>\r\n", 12), nullptr, true, true},
        {"feff.html", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFtext\r\n"), nullptr, true, true},
        {"utf16le.html", utf16(QStringLiteral("<P>あいう</P>\r\n"), false), nullptr, true, true},
        {"utf16be.html", utf16(QStringLiteral("<P>あいう</P>\r\n"), true), nullptr, true, true},
        {"badutf8.html", QByteArray("\xEF\xBB\xBFok \xFF\xFE\r\n"), "UTF-8 として正しく読めない", true, false},
        {"lf.html", QByteArray("<P>one</P>\n<P>two</P>\n"), nullptr, true, true},
        {"mixed.html", QByteArray("a\r\nb\nc\r\r\n"), "改行はそろっていません", true, false},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = web + QLatin1Char('/') + QString::fromLatin1(c.name);
        writeFile(file, c.bytes);
        // The document holds the last file as it was read: nothing to save.
        dialogs.expectOpen(file);
        if (c.told)
            dialogs.expectMsg(QString::fromUtf8(c.told));
        w().fileMenu.openFile();
        EXPECT_EQ(dialogs.pending(), 0);
        dialogs.clear();
        EXPECT_EQ(w().ws.doc(0).fileName, QString::fromLatin1(c.name));
        EXPECT_EQ(readFile(file), c.bytes) << "opening leaves the file alone";
        if (c.saveGivesItBack) {
            ASSERT_TRUE(w().files.save());
            EXPECT_EQ(readFile(file), c.bytes) << "an unchanged file is saved as it was";
        }
    }
    // A leading U+FEFF is a character of the text, and positions after it stay right.
    writeFile(web + QStringLiteral("/feff2.html"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF<P>x</P>"));
    dialogs.expectOpen(web + QStringLiteral("/feff2.html"));
    w().fileMenu.openFile();
    EXPECT_EQ(ed()->text(), QStringLiteral("\uFEFF<P>x</P>"));
    ed()->select(1, 3);
    EXPECT_EQ(ed()->selectedText(), QStringLiteral("<P>"));
}

TEST_F(BadInputTest, WhatIsNotAFileToEditIsRefusedAndTheDocumentKeepsItsText)
{
    const QString folder = web + QStringLiteral("/folder.html");
    QDir().mkpath(folder);
    const QString pipe = web + QStringLiteral("/pipe.html");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const QString huge = web + QStringLiteral("/huge.html");
    {
        // Sparse: large in size, nothing on the disk.
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(600LL * 1024 * 1024));
    }
    struct Case { QString path; const char* told; };
    const Case cases[] = {
        {folder, "はフォルダーのため開けません。"},
        {pipe, "は通常のファイルではないため開けません。"},
        {QStringLiteral("/dev/zero"), "は通常のファイルではないため開けません。"},
        {huge, "は大きすぎるため開けません。"},
    };
    start();
    ed()->setText(QStringLiteral("<P>mine</P>"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::No);
        dialogs.expectOpen(c.path);
        dialogs.expectMsg(QString::fromUtf8(c.told));
        w().fileMenu.openFile();
        EXPECT_EQ(ed()->text(), QStringLiteral("<P>mine</P>"));
        EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("$$$000.html"));
    }
}

TEST_F(BadInputTest, ASaveOntoAFullDiskSaysSoKeepsTheOldFileAndTheDocumentModified)
{
    const QString disk = temp.path() + QStringLiteral("/disk");
    QDir().mkpath(disk);
    filetest::SmallFileSystem full(disk, 64 * 1024);
    if (!full.ok())
        GTEST_SKIP() << "no small file system here: " << full.why().toStdString()
                     << " (the file-size limit case of the files test covers the same fault)";
    const QString target = disk + QStringLiteral("/page.html");
    writeFile(target, "<P>old</P>\r\n");
    // Fill the rest of the disk.
    writeFile(disk + QStringLiteral("/filler"), QByteArray(60 * 1024, 'f'));
    start();
    dialogs.expectOpen(target);
    w().fileMenu.openFile();
    ed()->setSelectionStart(0);
    ed()->replaceSelection(QString(20 * 1024, QLatin1Char('x')));
    dialogs.expectMsg(QStringLiteral("ディスクの空きが足りない"));
    EXPECT_FALSE(w().files.save());
    EXPECT_EQ(readFile(target), QByteArray("<P>old</P>\r\n"));
    EXPECT_TRUE(w().ws.doc(0).modified);
    // With the disk filled up to the last byte, a save smaller than any buffer fails as well.
    {
        QFile rest(disk + QStringLiteral("/rest"));
        ASSERT_TRUE(rest.open(QIODevice::WriteOnly));
        const QByteArray chunk(512, 'r');
        while (rest.write(chunk) == chunk.size() && rest.flush()) {
        }
    }
    ed()->setText(QStringLiteral("<P>short</P>"));
    dialogs.expectMsg(QStringLiteral("ディスクの空きが足りない"));
    EXPECT_FALSE(w().files.save());
    EXPECT_EQ(readFile(target), QByteArray("<P>old</P>\r\n"));
    EXPECT_TRUE(w().ws.doc(0).modified);
}
