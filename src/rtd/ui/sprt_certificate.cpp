#include "rtd/ui/sprt_certificate.h"

#include "framework/number_text.h"
#include "framework/ui/ui_context.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "rtd/qt90.h"
#include "rtd/sprt.h"
#include "framework/utf_text.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

#include <qrencode.h>

#include <array>
#include <cstddef>
#include <memory>
#include <string>

namespace tmcalc {
namespace {

std::optional<QString>& PathForTests()
{
    static std::optional<QString> path;
    return path;
}

// Every group key of a resistor standard, in SprtCoefficientSet order.
constexpr std::array<const char*, 13> kGroupKeys{"a4", "b4", "a5", "b5", "a7",  "b7", "c7",
                                                 "a8", "b8", "a9", "b9", "a10", "a11"};

double RecordNumber(const StandardRecord& record, std::string_view key)
{
    return ReadFieldValue(Utf8ToUtf16(record.Value(key)));
}

Qt90Thermometer ThermometerOf(const StandardRecord& record)
{
    Qt90Thermometer t;
    t.codes = SprtRangeClasses(Utf8ToUtf16(record.Value("TempRange")));
    t.rtp = RecordNumber(record, "Rtp");
    const SprtGroupInfo& up = SprtUpperGroup(t.codes.upper);
    for (int i = 0; i < up.coefficient_count; ++i)
        t.upper[static_cast<std::size_t>(i)] = RecordNumber(record, up.names[static_cast<std::size_t>(i)]);
    const SprtGroupInfo& low = SprtLowerGroup(t.codes.lower);
    for (int i = 0; i < low.coefficient_count; ++i)
        t.lower[static_cast<std::size_t>(i)] = RecordNumber(record, low.names[static_cast<std::size_t>(i)]);
    return t;
}

void PasteCertificate(StandardsManager& manager)
{
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    const Qt90ThermometerRead read = ThermometerFromQt90(text);
    if (!read.thermometer) {
        manager.ShowText(
            Str(kStrCertificateRefused).arg(QString::fromStdString(Qt90ErrorText(read.error, CurrentLanguage()))));
        return;
    }
    const Qt90Thermometer& t = *read.thermometer;
    StandardRecord values(StandardKind::Resistor);
    values.SetValue("TempRange", Qt90RangeText(t.codes));
    values.SetValue("Rtp", Qt90NumberText(t.rtp));
    for (const char* key : kGroupKeys) values.SetValue(key, "0");
    values.SetValue("Qt90", Qt90StoredText(read.certificates));
    const SprtGroupInfo& up = SprtUpperGroup(t.codes.upper);
    for (int i = 0; i < up.coefficient_count; ++i)
        values.SetValue(up.names[static_cast<std::size_t>(i)],
                        Qt90NumberText(t.upper[static_cast<std::size_t>(i)]));
    const SprtGroupInfo& low = SprtLowerGroup(t.codes.lower);
    for (int i = 0; i < low.coefficient_count; ++i)
        values.SetValue(low.names[static_cast<std::size_t>(i)],
                        Qt90NumberText(t.lower[static_cast<std::size_t>(i)]));
    manager.AddStandardWith(values);
}

void SaveQrCode(StandardsManager& manager, int row)
{
    const std::optional<StandardRecord> record = manager.RecordAt(row);
    const QString text = record ? SprtCertificateText(*record) : QString();
    const QImage image = QrCodeImage(text, 8);
    if (image.isNull()) {
        manager.ShowText(Str(kStrQrCodeNotWritten));
        return;
    }
    const QString path = PathForTests() ? *PathForTests()
                                        : QFileDialog::getSaveFileName(&manager, Str(kStrSaveQrCode), QString(),
                                                                       Str(kStrPngFilter));
    if (path.isEmpty()) return;  // cancelled
    manager.ShowText(image.save(path, "PNG") ? QString() : Str(kStrQrCodeNotWritten));
}

}  // namespace

QString SprtCertificateText(const StandardRecord& record)
{
    const Qt90Thermometer t = ThermometerOf(record);
    if (!(t.rtp > 0) || !SprtHasCompleteGroup(SprtSetFromGroups(t.codes, t.upper, t.lower))) return {};
    QStringList lines;
    for (const std::string& line : Qt90StringsOf(t, record.Value("Qt90"))) lines << QString::fromStdString(line);
    return lines.join(QLatin1Char('\n'));
}

QImage QrCodeImage(const QString& text, int moduleSize)
{
    if (text.isEmpty()) return {};
    const QByteArray bytes = text.toUtf8();
    // Byte mode: "~" and "_" are outside the alphanumeric set, and case must survive.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(static_cast<int>(bytes.size()),
                          reinterpret_cast<const unsigned char*>(bytes.constData()), 0, QR_ECLEVEL_M),
        &QRcode_free);
    if (!code) return {};
    constexpr int kMargin = 4;
    const int side = (code->width + 2 * kMargin) * moduleSize;
    QImage image(side, side, QImage::Format_Mono);
    image.fill(1);  // index 1 white with the colour table below
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if ((code->data[y * code->width + x] & 1) == 0) continue;
            for (int dy = 0; dy < moduleSize; ++dy) {
                for (int dx = 0; dx < moduleSize; ++dx)
                    image.setPixel((x + kMargin) * moduleSize + dx, (y + kMargin) * moduleSize + dy, 0);
            }
        }
    }
    return image;
}

void SetQrCodePathForTests(std::optional<QString> path)
{
    PathForTests() = std::move(path);
}

std::vector<ManagerExtraCommand> SprtCertificateCommands()
{
    return {
        {kStrPasteCertificate, "PasteCertificateAction", false,
         [](StandardsManager& manager, int /*row*/) { PasteCertificate(manager); }},
        {kStrCopyCertificate, "CopyCertificateAction", true,
         [](StandardsManager& manager, int row) {
             const std::optional<StandardRecord> record = manager.RecordAt(row);
             const QString text = record ? SprtCertificateText(*record) : QString();
             if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
         }},
        {kStrSaveQrCode, "SaveQrCodeAction", true,
         [](StandardsManager& manager, int row) { SaveQrCode(manager, row); }},
    };
}

}  // namespace tmcalc
