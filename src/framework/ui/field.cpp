#include "framework/ui/field.h"

#include "framework/number_text.h"

#include <QLineEdit>

#include <cmath>

namespace tmcalc {

bool WriteField(QLineEdit* field, const DisplayFormat& format, double value)
{
    const std::optional<std::string> text = FieldTextFor(format, value);
    if (!text) return false;
    field->setText(QString::fromStdString(*text));
    return !std::isnan(value);
}

CheckedValue ReadField(const QLineEdit* field, ReadRule rule) { return ReadFieldText(FieldText(field), rule); }

std::u16string FieldText(const QLineEdit* field)
{
    const QString text = field->text();
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace tmcalc
