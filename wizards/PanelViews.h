#pragma once

#include <QObject>
#include <QString>

class ControlRegistry;
class Workspace;

// The views of two panels: the image panel's chooser with its picture preview (Cmdsentaku), and
// the table panel's switch between its explanation and its table data with the sample rows
// (Cmdsub).
class PanelViews : public QObject {
    Q_OBJECT

public:
    PanelViews(Workspace& workspace, ControlRegistry& controls);

    // The image chooser: the chosen file into txtsentaku, its picture into the preview and its
    // relative path into TxtSoutai (empty when the picture cannot be read). Cancelling leaves the
    // boxes as they were and gives false.
    bool ChooseImageFile();
    // 0 choose a picture; 1 show or hide the picture chosen.
    void Cmdsentaku_Click(int index);
    // 0 clear the table data, 1 the explanation, 2 the table data, 3 the sample rows.
    void Cmdsub_Click(int index);

private:
    // Shows the picture of the file in Picture1; false (and an empty preview) when it cannot be read.
    bool showPicture(const QString& file);
    Workspace& ws;
    ControlRegistry& controls;
};
