#include "stylesheet/StyleSamples.h"

#include "platform/TextFile.h"

#include <QFileInfo>

SampleReadResult readSampleFile(const QString& path)
{
    SampleReadResult result;
    const TextReadResult read = readProgramFile(path);
    if (!read.ok || read.text.isEmpty()) {
        result.message = QFileInfo(path).fileName() + QStringLiteral("が読めません");
        return result;
    }
    result.ok = true;
    result.text = toCrLf(read.text);
    return result;
}
