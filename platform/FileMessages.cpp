#include "platform/FileMessages.h"

#include "platform/SharedConstants.h"

namespace {

QString quoted(const QString& path)
{
    return QStringLiteral("「") + path + QStringLiteral("」");
}

} // namespace

QString readProblemMessage(FileProblem problem, const QString& path)
{
    switch (problem) {
    case FileProblem::None:
        return QString();
    case FileProblem::NotFound:
        return quoted(path) + QStringLiteral("が見つかりません。ファイルの名前と場所を確かめてください。");
    case FileProblem::AccessDenied:
        return quoted(path) + QStringLiteral("は読み込む許可がないため開けません。");
    case FileProblem::Folder:
        return quoted(path) + QStringLiteral("はフォルダーのため開けません。");
    case FileProblem::NotRegularFile:
        return quoted(path) + QStringLiteral("は通常のファイルではないため開けません。");
    case FileProblem::TooLarge:
        return quoted(path) + QStringLiteral("は大きすぎるため開けません。開けるのは")
            + QString::number(MaxTextFileBytes / (1024 * 1024)) + QStringLiteral(" MB までのファイルです。");
    case FileProblem::NoSpace:
    case FileProblem::ReadFailed:
    case FileProblem::WriteFailed:
    case FileProblem::SymbolicLink: // only writes meet it
        break;
    }
    return quoted(path) + QStringLiteral("を読み込む途中でエラーが起きました。");
}

QString writeProblemDetail(FileProblem problem)
{
    QString why;
    switch (problem) {
    case FileProblem::None:
        return QString();
    case FileProblem::NotFound:
        why = QStringLiteral("保存先のフォルダーがありません。");
        break;
    case FileProblem::AccessDenied:
        why = QStringLiteral("このフォルダーかファイルには書き込む許可がありません。");
        break;
    case FileProblem::Folder:
        why = QStringLiteral("同じ名前のフォルダーがあります。");
        break;
    case FileProblem::NotRegularFile:
        why = QStringLiteral("保存先は通常のファイルではありません。");
        break;
    case FileProblem::NoSpace:
        why = QStringLiteral("ディスクの空きが足りないか、ファイルの大きさの上限を超えました。");
        break;
    case FileProblem::SymbolicLink:
        why = QStringLiteral("保存先の途中のフォルダーがシンボリックリンクです。");
        break;
    case FileProblem::TooLarge:
    case FileProblem::ReadFailed:
    case FileProblem::WriteFailed:
        why = QStringLiteral("書き込みの途中でエラーが起きました。");
        break;
    }
    return why + QStringLiteral("ディスク上のファイルは変わっていません。");
}

QString inexactReadMessage(TextEncoding encoding, const QString& path)
{
    return QStringLiteral("このファイルには ") + encodingDisplayName(encoding)
        + QStringLiteral(" として正しく読めない文字が含まれています。") + CrLf
        + QStringLiteral("保存すると、その部分は元のファイルと同じにはなりません。") + CrLf + path;
}

QString lineEndsNotice(LineEnds lineEnds)
{
    if (lineEnds != LineEnds::Mixed)
        return QString();
    return QStringLiteral("このファイルの改行はそろっていません。保存すると改行が CR LF にそろえられます。");
}
