#pragma once

#include <QString>

// Values shared by every window for the whole run.
inline const QString CrLf = QStringLiteral("\r\n");
inline const QString Quote = QStringLiteral("\"");
inline const QString FaceSweat = QStringLiteral("^_^;");
inline const QString FaceSmile = QStringLiteral("^_^");
