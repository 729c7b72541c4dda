#pragma once

#include <QString>

// The explanation texts of the stylesheet panels.

// The name panel's explanation (Text(55)).
QString stylesheetNameExplanation();
// The link panel's explanation (Text(46)): ten lines, each ending in CR LF.
QString stylesheetLinkExplanation();
