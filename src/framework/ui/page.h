#pragma once

#include "framework/ui/field.h"
#include "framework/geometry.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <vector>

class QRadioButton;

namespace tmcalc {

class NumericEdit;
class UncertaintyPanel;
struct UncertaintySetup;

// A page or sub-page: a white child window with an optional title band and fields. It owns the rule
// every page follows: each edit box has a focus flag that follows its keyboard focus, and a change of
// its text recomputes only while that flag is set. So the texts a page writes into its other fields
// never start computations of their own, and only the field the user is editing drives the others.
class Page : public QWidget {
    Q_OBJECT
public:
    // `geometry` is the page's rectangle in its parent; `titleId` 0 means no title band. A bordered page
    // has a one-pixel frame and its client area inside it.
    Page(QWidget* parent, const QRect& geometry, int titleId, bool bordered);
    ~Page() override;

    [[nodiscard]] int titleId() const { return m_titleId; }
    // The client area in page coordinates.
    [[nodiscard]] QRect clientRect() const;
    // The client rectangle in client coordinates (origin 0, 0), as the layouts take it.
    [[nodiscard]] Rect clientArea() const;

    [[nodiscard]] Field* field(int id) const;
    [[nodiscard]] NumericEdit* edit(int id) const;
    [[nodiscard]] const std::vector<Field*>& fields() const { return m_order; }

    // The field's number by its read rule, and whether its text holds one.
    [[nodiscard]] CheckedValue Read(int id) const;
    // Writes a number into the field by its display format; see WriteField.
    bool Show(int id, double value) const;

    // New label and unit texts for a field; the accessible name follows ("label unit").
    void RelabelField(int id, const QString& label, const QString& unit);
    void RelabelField(int id, int labelId, int unitId);
    // Shows or hides a whole field: label, edit box and unit.
    void SetFieldShown(int id, bool shown);

    // The page's uncertainty button and boxes, or nullptr on a page without them.
    [[nodiscard]] UncertaintyPanel* uncertainty() const { return m_uncertainty; }

protected:
    // Called when the text of field `id` changed while the field held the focus flag.
    virtual void Recompute(int id) = 0;
    // Page-specific drawing after the title band.
    virtual void PaintPage(QPainter& painter);

    // The six field builders; they return the fields in creation order, each with the read rule and
    // display format of `policy`. Edit ids: 0, 1, ... down the column; 10 x column + row on the grids;
    // the label ids on the grid in a rectangle and the fixed-point grid; 0-4 and 10-14 on the input and
    // output rows.
    std::vector<Field*> BuildFieldColumn(int labelBase, int unitBase, FieldPolicy policy = {});
    std::vector<Field*> BuildFieldGrid(int rows, int cols, int labelBase, int unitBase, FieldPolicy policy = {});
    std::vector<Field*> BuildWideFieldGrid(int rows, int cols, int labelBase, int unitBase, FieldPolicy policy = {});
    std::vector<Field*> BuildFieldGridInRect(Rect rect, int cols, int rows, int labelBase, int unitBase,
                                             FieldPolicy policy = {});
    std::vector<Field*> BuildFixedPointGrid(Rect rect, FieldPolicy policy = {});
    std::vector<Field*> BuildInputOutputRows(int labelBase, int unitBase, FieldPolicy policy = {});

    // Gives the fields `ids` a read rule and display format other than their builder's.
    void SetFieldPolicy(std::initializer_list<int> ids, FieldPolicy policy);

    // One field at client-area rectangles; the edit box is filtered and takes part in the driving rule.
    Field* AddField(const FieldDesc& desc, const FieldRects& rects, EditStyle style);
    // A bare grid cell: an edit box alone, which screen readers know by its row and column headings
    // ("row column", either may be empty).
    Field* AddCell(const FieldDesc& desc, const Rect& rect, EditStyle style, const QString& rowHeading = {},
                   const QString& columnHeading = {});
    // Puts every edit box above the labels and units that overlap it on the wider grids, so that the
    // whole box takes clicks; labels and units are transparent, so no text hides another.
    void RaiseEditBoxes() const;
    // A radio button showing string `stringId` in the label font (stepped down if its text would be
    // cut), named namePrefix + stringId, at a client-area rectangle.
    QRadioButton* AddRadioButton(const QString& namePrefix, int stringId, const Rect& rect);
    // Places a child at a client-area rectangle.
    void Place(QWidget* child, const Rect& rect) const;

    // Makes the given fields share one focus flag: focus entering any of them sets it, leaving any of
    // them clears it, and while it is set a change of any of them recomputes (so a page must not write
    // into one field of a group while another of the group has the focus).
    void ShareFocusFlag(const std::vector<int>& ids);
    [[nodiscard]] bool HasFocusFlag(int id) const;

    // Empties the given fields.
    void ClearFields(const std::vector<int>& ids) const;

    // Gives the page its uncertainty button and boxes (see UncertaintyPanel); called once, at the end of
    // the constructor, when every other widget is in place.
    UncertaintyPanel* EnableUncertainty(UncertaintySetup setup);

    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One field per rectangle, the k-th with the ids `desc(k)` gives and the builder's policy.
    std::vector<Field*> AddFields(const std::vector<FieldRects>& rects, EditStyle style, FieldPolicy policy,
                                  const std::function<FieldDesc(int k)>& desc);
    Field* AddEdit(const FieldDesc& desc, const Rect& rect, EditStyle style);
    void OnTextChanged(int id);

    int m_titleId = 0;
    bool m_bordered = false;
    std::vector<std::unique_ptr<Field>> m_fields;
    std::vector<Field*> m_order;
    std::map<int, Field*> m_byId;
    std::map<int, int> m_flagSlot;  // field id -> index into m_flags
    std::vector<char> m_flags;
    UncertaintyPanel* m_uncertainty = nullptr;
};

// A page with a title band and nothing else yet (or a sub-page with neither when titleId is 0).
class TitledPage : public Page {
    Q_OBJECT
public:
    TitledPage(QWidget* parent, const QRect& geometry, int titleId, bool bordered = true)
        : Page(parent, geometry, titleId, bordered)
    {
    }

protected:
    void Recompute(int /*id*/) override {}
};

}  // namespace tmcalc
