#include "framework/ui/field.h"

#include "framework/number_text.h"

#include <QLineEdit>

#include <cmath>
#include <limits>

namespace tmcalc {

bool WriteField(QLineEdit* field, const DisplayFormat& format, double value)
{
    if (format.kind == DisplayFormat::Kind::G7) {
        field->setText(QString::fromStdString(FormatValueG7(value)));
        return !std::isnan(value);
    }
    const std::optional<std::string> text = FormatShowValue(format.digits, format.decimals, value);
    if (!text) return false;
    field->setText(QString::fromStdString(*text));
    return !std::isnan(value);
}

CheckedValue ReadField(const QLineEdit* field, ReadRule rule)
{
    if (rule == ReadRule::Written &&
        field->text() == QString::fromStdString(FormatValueG7(std::numeric_limits<double>::quiet_NaN())))
        return {std::numeric_limits<double>::quiet_NaN(), true};
    return ReadFieldValueChecked(FieldText(field));
}

std::u16string FieldText(const QLineEdit* field)
{
    const QString text = field->text();
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace tmcalc
