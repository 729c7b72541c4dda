#include "support/AppFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>

void AppFixture::SetUp()
{
    ASSERT_TRUE(temp.isValid());
    programFolder = temp.path() + QStringLiteral("/program");
    QDir().mkpath(programFolder + QStringLiteral("/resource"));
}

void AppFixture::TearDown()
{
    stop();
    EXPECT_EQ(dialogs.pending(), 0) << "expected dialogs that never came";
}

MainWindow& AppFixture::start(const QString& commandLine)
{
    stop();
    StartupOptions options;
    options.programFolder = programFolder;
    options.commandLine = commandLine;
    options.dialogs = &dialogs;
    options.show = true;
    app = Main(options);
    QApplication::processEvents();
    return *app->window;
}

bool AppFixture::quit()
{
    if (!app || !app->window)
        return false;
    const bool closed = app->window->close();
    QApplication::processEvents();
    return closed;
}

void AppFixture::stop()
{
    app.reset();
    QApplication::processEvents();
}

void AppFixture::writeFile(const QString& path, const QByteArray& bytes) const
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

QByteArray AppFixture::readFile(const QString& path) const
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void AppFixture::useShippedResource(const QString& name) const
{
    const QString target = programFolder + QStringLiteral("/resource/") + name;
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(QStringLiteral(PELMOR_SHIPPED_RESOURCE "/") + name, target)) << name.toStdString();
}
