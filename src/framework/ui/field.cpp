#include "framework/ui/field.h"

#include "framework/number_text.h"

#include <QLineEdit>

#include <cmath>
#include <limits>

namespace tmcalc {

bool ShowValue(QLineEdit* field, int digits, int decimals, double value)
{
    const std::optional<std::string> text = FormatShowValue(digits, decimals, value);
    if (!text) return false;
    field->setText(QString::fromStdString(*text));
    return !std::isnan(value);
}

void ShowValueG7(QLineEdit* field, double value) { field->setText(QString::fromStdString(FormatValueG7(value))); }

double ReadWrittenFieldValue(const QLineEdit* field)
{
    if (field->text() == QString::fromStdString(FormatValueG7(std::numeric_limits<double>::quiet_NaN())))
        return std::numeric_limits<double>::quiet_NaN();
    return ReadFieldValue(FieldText(field));
}

std::u16string FieldText(const QLineEdit* field)
{
    const QString text = field->text();
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace tmcalc
