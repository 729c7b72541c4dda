#pragma once

#include <QString>

// The explanation texts of the preview subsystem's panels.

// The favourites panel's Text(29): its lines joined by CR LF.
QString favouritesExplanation();
