#include "framework/ui/scale_strip.h"

#include "framework/ui/numeric_edit.h"
#include "framework/ui/page.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <utility>

namespace tmcalc {

ScaleStrip::ScaleStrip(const Page& page, std::vector<int> ids, Conversion conversion, DisplayFormat display)
    : m_page(page), m_ids(std::move(ids)), m_conversion(std::move(conversion)), m_display(display)
{
}

int ScaleStrip::IndexOf(int id) const
{
    const auto it = std::find(m_ids.begin(), m_ids.end(), id);
    return it == m_ids.end() ? -1 : static_cast<int>(it - m_ids.begin());
}

void ScaleStrip::ShowFrom(int from, double value) const
{
    const std::vector<double> values = m_conversion(from, value);
    for (std::size_t i = 0; i < m_ids.size() && i < values.size(); ++i) {
        if (static_cast<int>(i) != from) WriteField(m_page.edit(m_ids[i]), m_display, values[i]);
    }
}

void ScaleStrip::ConvertEdited(int id) const
{
    const int from = IndexOf(id);
    if (from < 0) return;
    if (m_page.edit(id)->text().isEmpty()) {
        for (const int other : m_ids) {
            if (other != id) m_page.edit(other)->clear();
        }
        return;
    }
    ShowFrom(from, m_page.Read(id).value);
}

void ScaleStrip::FollowFirst() const
{
    if (m_ids.empty()) return;
    if (m_page.edit(m_ids.front())->text().isEmpty()) {
        for (std::size_t i = 1; i < m_ids.size(); ++i) m_page.edit(m_ids[i])->clear();
        return;
    }
    const CheckedValue first = m_page.Read(m_ids.front());
    ShowFrom(0, first.consumed ? first.value : std::numeric_limits<double>::quiet_NaN());
}

}  // namespace tmcalc
