#pragma once

#include <QObject>
#include <QString>

class ControlRegistry;
class Workspace;

// The views of two panels: the image panel's chooser with its picture preview, and the table
// panel's switch between its explanation and its table data with the sample rows.
class PanelViews : public QObject {
    Q_OBJECT

public:
    PanelViews(Workspace& workspace, ControlRegistry& controls);

    // The image chooser: the chosen file into the image panel's file box, its picture into the
    // preview and its relative path into the relative path box (empty when the picture cannot be
    // read). Cancelling leaves the boxes as they were and gives false.
    bool chooseImageFile();
    // Shows or hides the picture of the file chosen.
    void togglePicture();
    // The table panel's buttons: its explanation, its table data, the data cleared, the sample rows.
    void showTableExplanation();
    void showTableData();
    void clearTableData();
    void showSampleRows();

private:
    // The explanation or the table data in their shared place.
    void showTableView(bool data);
    // Shows the picture of the file in the preview; false (and an empty preview) when it cannot be read.
    bool showPicture(const QString& file);
    Workspace& ws;
    ControlRegistry& controls;
};
