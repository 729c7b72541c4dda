#include "ToolWindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

void ToolWindowTest::copyResource(const QString& name)
{
    const QString from = QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource/") + name);
    QFile source(from);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << from.toStdString();
    writeFile(path(QStringLiteral("resource/") + name), source.readAll());
}

void ToolWindowTest::writeResource(const QString& name, const QString& text)
{
    QString crlf = text;
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    writeFile(path(QStringLiteral("resource/") + name), crlf.toUtf8());
}

QObject* ToolWindowTest::box(ControlId id)
{
    if (!w().controls.has(id))
        w().controls.add(id, new QLineEdit(&w()));
    return w().controls.find(id);
}

QString ToolWindowTest::boxText(const QObject* box)
{
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(box))
        return plain->toPlainText();
    if (auto* combo = qobject_cast<const QComboBox*>(box))
        return combo->currentText();
    ADD_FAILURE() << "not a text box";
    return QString();
}

void ToolWindowTest::setBoxText(QObject* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->setPlainText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(box))
        combo->setEditText(text);
    else
        ADD_FAILURE() << "not a text box";
}
