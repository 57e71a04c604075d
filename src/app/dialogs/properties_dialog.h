#pragma once

#include "model/element_types.h"
#include "model/typed_geometry.h"
#include "model/units.h"

#include "app/dialogs/texted_dialog.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <vector>

class DesignEditor;
class Prompts;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class VDropDownPalette;
class VGrfElement;
class VPage;

// The names of the value types and printable modes, in English.
const char *ValueTypeText(int code);
const char *PrintableText(int code);
// The character sets, numbered by their code, as AddTextItem entries.
void AddCharSetItems(QComboBox *box);
// A box for millimetres with one decimal.
QDoubleSpinBox *MillimetreBox(QWidget *parent, const char *name, double max = 1000.0);

// The element properties dialog: the page's element tree, a summary of the edited element and
// the tabs of its kind. Every change goes into the model at once as a step of the design's undo
// stack; the element windows repaint through the editor's change listener.
class TfrmProperties : public TextedDialog
{
public:
    TfrmProperties(DesignEditor &editor, VPage &page, VGrfElement &element, Prompts &prompts,
                   QWidget *parent = nullptr);
    ~TfrmProperties() override;

    VGrfElement &element() const { return *m_element; }
    // Makes another element of the page the edited one (the tree's choice).
    void selectElement(VGrfElement &element);
    QTabWidget *tabs() const { return m_tabs; }
    QTreeWidget *tree() const { return m_tree; }
    // The summary's value beside a label text ("Name ", "Font ", ...).
    QString summary(const QString &label) const;
    // Sets the texts of the current language again.
    void applyTexts() override;

    // The kinds' tab sets, by the pages' English titles.
    static QStringList TabsFor(ElementKind kind);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    // Runs an edit of the edited element, or of every selected element of its selection walk, as
    // one undo step; steps through the same control merge.
    using Edit = std::function<void(VGrfElement &)>;
    void edit(int control, const Edit &change, bool walk = false);
    void fill();
    void fillTree();
    void fillSummary();
    void layoutTabs();

    // Control bindings: the getter fills the control while loading, the setter runs as an edit.
    int nextControl() { return ++m_controls; }
    void bindCombo(QComboBox *box, std::function<int(const VGrfElement &)> get,
                   std::function<void(VGrfElement &, int)> set, bool walk = false);
    void bindCheck(QCheckBox *box, std::function<bool(const VGrfElement &)> get,
                   std::function<void(VGrfElement &, bool)> set);
    void bindSpin(QSpinBox *box, std::function<int(const VGrfElement &)> get,
                  std::function<void(VGrfElement &, int)> set);
    void bindReal(QDoubleSpinBox *box, std::function<double(const VGrfElement &)> get,
                  std::function<void(VGrfElement &, double)> set, bool walk = false);
    void bindRadios(QButtonGroup *group, std::function<int(const VGrfElement &)> get,
                    std::function<void(VGrfElement &, int)> set);
    void bindText(QLineEdit *box, std::function<QString(const VGrfElement &)> get,
                  std::function<void(VGrfElement &, const QString &)> set);
    void bindColour(VDropDownPalette *button, std::function<ColorRef(const VGrfElement &)> get,
                    std::function<void(VGrfElement &, ColorRef)> set);
    void onFill(std::function<void()> filler) { m_fillers.push_back(std::move(filler)); }
    // A summary row's box for typed millimetres, bound to one side of the element's geometry.
    QDoubleSpinBox *geometryBox(QWidget *parent, GeometrySide side);
    // A text shown by a widget, set again on a language change.

    QWidget *fontTab();
    QWidget *alignTab();
    QWidget *bordersTab();
    QWidget *backgroundTab();
    QWidget *pictureTab();
    QWidget *valueTypesTab();
    QWidget *barCodeTab();
    QWidget *dataCodesTab();
    void applyTick();
    void showPicture();

    DesignEditor &m_editor;
    VPage &m_page;
    VGrfElement *m_element;
    Prompts &m_prompts;
    int m_previousKind = -1;
    bool m_loading = false;
    bool m_refilling = false; // filling again after an edit
    int m_controls = 0;
    int m_tick = 0; // 114 or 97 while a tick button is down
    QTreeWidget *m_tree;
    QHash<QTreeWidgetItem *, VGrfElement *> m_items;
    QTabWidget *m_tabs;
    QHash<QString, QWidget *> m_pages; // by English title
    std::vector<std::pair<QString, QLabel *>> m_summary; // no label for the geometry rows
    QHash<QString, QDoubleSpinBox *> m_geometryBoxes;    // by summary row
    std::vector<std::function<void()>> m_fillers;
    QLabel *m_preview = nullptr;
    QLabel *m_checkSum = nullptr;
    std::vector<QAbstractButton *> m_tickButtons;
};
