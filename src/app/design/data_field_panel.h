#pragma once

#include "files/data_field_names.h"

#include <QDockWidget>

class DesignTab;
class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;
class TfrmMain;
class VGrfElement;

// The data fields of the design page shown: the element names that the data in the Data tab (or
// the data template beside the design) gives for that page. Choosing one gives the element chosen
// in the design view that name, so that the data reaches it. Shown beside the design while there
// is data; the list and its button never take the focus, so the element keeps its selection.
class DataFieldPanel : public QDockWidget
{
public:
    DataFieldPanel(DesignTab &design, TfrmMain &shell);

    // Reads the names again (the view's changes come here through a short timer).
    void refresh();
    QTreeWidget *list() const { return m_list; }
    const DataFieldNames &names() const { return m_names; }
    // Where the names come from: the Data tab's file name or text, the file beside the design, or
    // empty for none.
    QString source() const { return m_source; }
    // Gives the chosen element the name of the row's field, as one step; false when refused (no
    // element chosen, another kind, a name used by another element of the page).
    bool choose(int row);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyTexts();
    void scheduleRefresh();
    void fillList();
    VGrfElement *chosenElement() const;

    DesignTab &m_design;
    TfrmMain &m_shell;
    QLabel *m_heading;
    QTreeWidget *m_list;
    QPushButton *m_give;
    QTimer *m_timer;
    DataFieldNames m_names;
    QString m_source;
    QString m_pageName;
    QString m_readKey;          // what m_names were read from
    quint64 m_dataRevision = 0; // counts edits of the Data tab's text
    bool m_dataWatched = false;
    bool m_wanted = false;  // shown with the design while the user has not closed it
    bool m_placing = false; // the panel's own showing and hiding
};
