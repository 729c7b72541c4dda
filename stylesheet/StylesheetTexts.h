#pragma once

#include <QString>

// The explanation texts of the stylesheet panels.

// The name panel's Text(55).
QString stylesheetNameExplanation();
// The link panel's Text(46): ten lines, each ending in CR LF.
QString stylesheetLinkExplanation();
