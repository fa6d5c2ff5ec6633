#pragma once

#include "framework/geometry.h"
#include "framework/uncertainty.h"

#include <QObject>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace tmcalc {

class NumericEdit;
class Page;

// What a page tells the uncertainty mechanism, as data: for each way the page converts (a route), the
// fields whose edit selects it, which fields feed the model's inputs and which show its outputs.

// A model input: its value is read from field `value`, its standard uncertainty from the u box of field
// `u`, times `factor` (a temperature typed in °F has its value in the °C field and its u in °F: 1/1.8).
struct UncertaintyInput {
    int value = 0;
    int u = 0;
    double factor = 1.0;
};

// A field showing output `output` of the model, times `factor` (1.8 for °F and °R, 0.8 for °Re).
struct UncertaintyOutput {
    int field = 0;
    int output = 0;
    double factor = 1.0;
};

struct UncertaintyRoute {
    std::vector<int> drivers;
    std::vector<UncertaintyInput> inputs;
    std::vector<UncertaintyOutput> outputs;
    // Made when the boxes are computed, so that it sees the page's coefficients as they are then.
    std::function<UncertaintyModel()> model;
};

struct UncertaintySetup {
    std::vector<UncertaintyRoute> routes;  // the first holds until the user edits a driver of another
    std::vector<Rect> reserved;            // client-area rectangles the page paints (kept clear)
};

// The five-scale strip (°C, °F, K, °R, °Re) in a route: each scale is a driver of its own route.
inline constexpr std::array<double, 5> kStripScaleFactors{1.0, 1.8, 1.0, 1.8, 0.8};
// The strip's fields as outputs of model output `output` (in °C), all but field `except`.
[[nodiscard]] std::vector<UncertaintyOutput> StripOutputs(const std::array<int, 5>& strip, int output,
                                                          int except = -1);
// One route per scale of the strip: the value from °C, its u from the scale typed; then `parameters`,
// and the outputs `others` with the rest of the strip.
[[nodiscard]] std::vector<UncertaintyRoute> StripRoutes(const std::array<int, 5>& strip,
                                                        const std::vector<UncertaintyInput>& parameters,
                                                        const std::vector<UncertaintyOutput>& others,
                                                        const std::function<UncertaintyModel()>& model);

// The uncertainty mechanism of one page: a checkable "Uncertainty" button with a k box beside it, and
// while it is on, a u box on each input field and a read-only U box on each result field of the current
// route, each in the right part of the field's own edit box. Off, the page shows exactly what it showed
// before (the button aside). Its state lives as long as the page, so it is kept while the program runs.
//
// The driving-field rule: a user's edit of a u or k box recomputes the U boxes and nothing else; a
// conversion the page recomputes from a user's edit recomputes them after it.
class UncertaintyPanel : public QObject {
    Q_OBJECT
public:
    UncertaintyPanel(Page& page, UncertaintySetup setup);

    [[nodiscard]] QPushButton* button() const { return m_button; }
    [[nodiscard]] NumericEdit* kBox() const { return m_k; }
    // The u box of a field (nullptr when it has none) and its U box.
    [[nodiscard]] NumericEdit* uBox(int field) const;
    [[nodiscard]] NumericEdit* UBox(int field) const;
    [[nodiscard]] bool isOn() const;
    void SetOn(bool on);

    // Writes a standard uncertainty into a field's u box (a standard's certificate; none empties it) and
    // recomputes the U boxes.
    void SetU(int field, std::optional<double> u);
    // Called by the page after the user's edit of field `id` was converted.
    void AfterRecompute(int id);
    // Recomputes every U box from the fields as they are.
    void Update();

private:
    struct Slot {
        int field = 0;
        QRect whole;  // the edit box as the page built it
        NumericEdit* u = nullptr;
        NumericEdit* U = nullptr;
    };

    void Place();
    void ShowRoles();
    [[nodiscard]] const UncertaintyRoute& Current() const;
    Slot* SlotOf(int field);
    [[nodiscard]] const Slot* SlotOf(int field) const;

    Page& m_page;
    UncertaintySetup m_setup;
    std::size_t m_current = 0;
    std::vector<Slot> m_slots;
    QPushButton* m_button = nullptr;
    QLabel* m_kLabel = nullptr;
    NumericEdit* m_k = nullptr;
};

}  // namespace tmcalc
