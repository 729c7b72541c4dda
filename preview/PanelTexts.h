#pragma once

#include <QString>

// The explanation texts of the preview subsystem's panels.

// The favourites panel's explanation: its lines joined by CR LF.
QString favouritesExplanation();
