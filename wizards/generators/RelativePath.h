#pragma once

#include <QString>

namespace gen {

// The path to write into a tag for a file the user chose or typed. Blanks around it are dropped.
// An absolute local path (starting with "/", or a file: URL) becomes relative to documentFolder,
// with "/" between the folders and "../" for each folder to climb; a file in that folder gives its
// bare name. An address (a scheme such as "http:" or "mailto:", or "//"), a name that is already
// relative, and any path while documentFolder is not an absolute folder come back as they are.
QString MakeRelativePath(const QString& path, const QString& documentFolder);

} // namespace gen
