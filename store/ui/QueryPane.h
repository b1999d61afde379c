#pragma once

#include <QString>

class ReadingsModel;

// The main window's query pane, as the store's commands fill it.
class QueryPane {
public:
    virtual ~QueryPane() = default;

    // Shows `model` in the pane at the given width (twips), with the model's column widths.
    virtual void showQuery(ReadingsModel& model, int paneWidthTwips) = 0;
    virtual void setQueryCaption(const QString& caption) = 0;
};
