#include "framework/ui/ui_context.h"

#include "framework/diagnostics.h"
#include "framework/ui/scaled_style.h"
#include "resources/string_table.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

#include <cmath>
#include <cstdlib>

namespace tmcalc {

Q_LOGGING_CATEGORY(lcDiagnostics, "tmcalc.diagnostics", QtWarningMsg)

namespace {

UiContext g_context;
bool g_initialised = false;

QString ChooseFontFamily()
{
    // The design face first, then CJK sans faces that Debian and most desktops ship, so that Chinese
    // labels never show as boxes. Noto comes before WenQuanYi, whose symbol glyphs (℃, ℉) draw empty.
    static const char* const kFaces[] = {"Microsoft Yahei UI", "Microsoft YaHei",     "Noto Sans CJK SC",
                                         "Source Han Sans SC", "Noto Sans SC",        "WenQuanYi Micro Hei",
                                         "WenQuanYi Zen Hei",  "Droid Sans Fallback"};
    const QStringList installed = QFontDatabase::families();
    for (const char* face : kFaces) {
        if (installed.contains(QString::fromLatin1(face), Qt::CaseInsensitive)) return QString::fromLatin1(face);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

void ForwardDiagnostic(std::string_view line)
{
    qCDebug(lcDiagnostics).noquote() << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

}  // namespace

QFont MakeFont(FontSize size, int weight, bool bold)
{
    QFont font(g_context.fontFamily);
    font.setPixelSize(std::max(1, std::abs(size.height)));
    font.setWeight(bold ? QFont::Bold : static_cast<QFont::Weight>(weight));
    if (size.width != 0) {
        // The requested average character width becomes a stretch of the face's own average width,
        // taken over the Latin lowercase letters (CJK faces report full-width averages).
        const double natural =
            QFontMetricsF(font).horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyz")) / 26.0;
        if (natural > 0) {
            const int stretch = static_cast<int>(std::lround(100.0 * std::abs(size.width) / natural));
            font.setStretch(std::clamp(stretch, 50, 200));
        }
    }
    return font;
}

namespace {

void ComputeUiContext(int screenWidth, int screenHeight)
{
    g_context.geometry = ComputeScreenGeometry(screenWidth, screenHeight);
    g_context.fontFamily = ChooseFontFamily();
    g_context.navigationFont = MakeFont(g_context.geometry.navigationFont);
    g_context.labelFont = MakeFont(g_context.geometry.labelFont);
    g_context.editFont = MakeFont(g_context.geometry.editFont);
    // Indicators follow the scale through the style; menus (the lists' right-click menus) take the
    // desktop's menu text size scaled.
    if (qobject_cast<ScaledStyle*>(QApplication::style()) == nullptr) QApplication::setStyle(new ScaledStyle);
    static const int menuPixels = QFontInfo(QApplication::font("QMenu")).pixelSize();
    QFont menuFont = QApplication::font("QMenu");
    menuFont.setPixelSize(ScaledPixels(g_context.geometry, menuPixels));
    QApplication::setFont(menuFont, "QMenu");
}

}  // namespace

void InitUiContext(int screenWidth, int screenHeight)
{
    if (g_initialised) return;
    g_initialised = true;
    ComputeUiContext(screenWidth, screenHeight);
    SetDiagnosticSink(&ForwardDiagnostic);
}

ScreenOverride::ScreenOverride(int screenWidth, int screenHeight)
    : m_width(g_context.geometry.screenWidth), m_height(g_context.geometry.screenHeight)
{
    ComputeUiContext(screenWidth, screenHeight);
}

ScreenOverride::~ScreenOverride() { ComputeUiContext(m_width, m_height); }

const UiContext& Ui() { return g_context; }

QString Str(int id) { return FromUtf8(LoadString(id)); }

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tmcalc
