// Hostile typing: every editable field of every page and sub-page gets texts a new user, a paste or a cat
// on the keyboard could produce, key by key and pasted whole. After every keystroke no other field may
// show "nan", a number longer than 40 characters, or an infinity that the typed value does not explain;
// in an optimised build without sanitizers no keystroke may take 100 ms of processor time.
//
// TMCALC_HOSTILE_RANDOM=N adds N seeded random printable texts per field (default 2, 1 under sanitizers or
// in a debug build); TMCALC_HOSTILE_SEED changes the seed.
#include "app/ui/main_window.h"
#include "app/ui/page_registry.h"
#include "framework/number_text.h"
#include "framework/ui/container_page.h"
#include "framework/ui/sub_page_tabs.h"
#include "page_scenario.h"
#include "ui_test_util.h"
#include "standards/standards_test_support.h"

#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <random>
#include <set>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define TMCALC_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || \
    __has_feature(undefined_behavior_sanitizer)
#define TMCALC_SANITIZED 1
#endif
#endif

namespace tmcalc {
namespace {

#if defined(NDEBUG) && !defined(TMCALC_SANITIZED)
constexpr bool kTimed = true;
#else
constexpr bool kTimed = false;
#endif
constexpr qint64 kSlowestKeystrokeMs = 100;

int EnvInt(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

std::vector<QString> FixedTexts()
{
    return {QString(),
            "-",
            ".",
            "1e",
            "1e999",
            "nan",
            "inf",
            QString(300, QLatin1Char('9')),
            "1.2.3",
            "0x1A",
            "1,5",
            QString::fromUtf16(u"\uFF11\uFF12\uFF0E\uFF15"),  // full-width 12.5
            QString::fromUtf16(u"\u0661\u0662\u0663"),        // Arabic-Indic 123
            "-273.16",
            "1e-320",
            "9999",
            "-1e308",
            "  42 \u00b0C"};
}

// Printable ASCII and a few characters beyond it.
QString RandomText(std::mt19937& random)
{
    static const QString kExtra = QString::fromUtf16(u"\u00b0\u2103\u00b2\uFF10\u0660\u00e9");
    std::uniform_int_distribution<int> length(1, 12), kind(0, 9), ascii(0x20, 0x7e),
        extra(0, static_cast<int>(kExtra.size()) - 1);
    QString text;
    for (int n = length(random); n > 0; --n)
        text += kind(random) == 0 ? kExtra[extra(random)] : QChar(static_cast<char16_t>(ascii(random)));
    return text;
}

// Whether a field's text is a number written with more than 40 characters.
bool LongNumber(const QString& text)
{
    if (text.size() <= 40) return false;
    const std::u16string wide = text.toStdU16String();
    return ReadFieldValueChecked(wide).consumed;
}

// The work of this thread in milliseconds: a keystroke is timed by what it costs, not by how long other
// programs on a shared machine keep the processor.
qint64 ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// One key press and release producing `c`; characters beyond ASCII as a keyboard layout or an input
// method would send them, a key event carrying the text.
void Key(QLineEdit* edit, QChar c)
{
    if (c.unicode() < 0x80) {
        QTest::keyClick(edit, static_cast<char>(c.unicode()));
        return;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit, &press);
    QApplication::sendEvent(edit, &release);
}

class HostileTyping : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = std::make_unique<MainWindow>(m_standards.store);
        ASSERT_TRUE(test::ShowActive(m_window.get()));
    }

    // The fields a user can type into, now visible under `root`.
    static std::vector<QLineEdit*> Editable(QWidget* root)
    {
        std::vector<QLineEdit*> out;
        for (QLineEdit* edit : root->findChildren<QLineEdit*>()) {
            if (edit->isVisible() && edit->isEnabled() && !edit->isReadOnly()) out.push_back(edit);
        }
        return out;
    }

    // Every other field on the page, after one keystroke into `typed` whose text is now `text`.
    void Check(QWidget* page, QLineEdit* typed, const QString& text, const std::string& where)
    {
        const double value = ReadFieldValue(text.toStdU16String());
        // An infinity must come from a typed value that is one, or whose unit multiples or powers (a
        // resistance polynomial of degree six) may leave the double range; 9999 °C of air must not.
        const bool huge = !(std::fabs(value) < 1e50);
        for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
            if (edit == typed || !edit->isVisible()) continue;
            const QString shown = edit->text();
            ++m_checks;
            ASSERT_FALSE(shown.contains(QLatin1String("nan"), Qt::CaseInsensitive))
                << where << " typed '" << text.toStdString() << "' shows '" << shown.toStdString() << "'";
            ASSERT_FALSE(LongNumber(shown))
                << where << " typed '" << text.toStdString() << "' shows '" << shown.toStdString() << "'";
            if (shown.contains(QLatin1String("inf"))) {
                ASSERT_TRUE(huge) << where << " typed '" << text.toStdString() << "' shows '"
                                  << shown.toStdString() << "'";
            }
        }
    }

    // Types `text` key by key into an emptied field, then pastes it whole; restores the field's own text.
    void Hammer(QWidget* page, QLineEdit* edit, const QString& text, const std::string& where)
    {
        const QString original = edit->text();
        test::Focus(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        const auto timed = [&](const auto& keystroke) {
            const qint64 start = ThreadCpuMs();
            keystroke();
            m_slowest = std::max(m_slowest, ThreadCpuMs() - start);
            ++m_keystrokes;
            Check(page, edit, edit->text(), where);
        };
        // The long texts go in by paste only: typing 300 digits into every field adds nothing.
        if (text.size() <= 40) {
            for (const QChar c : text) {
                timed([&] { Key(edit, c); });
                if (HasFatalFailure()) return;
            }
        }
        timed([&] { test::PasteOver(edit, text); });
        if (HasFatalFailure()) return;
        edit->setText(original);
    }

    void HammerAll(QWidget* page, const std::string& where)
    {
        std::mt19937 random(static_cast<std::mt19937::result_type>(EnvInt("TMCALC_HOSTILE_SEED", 23)));
        const int extra = EnvInt("TMCALC_HOSTILE_RANDOM", kTimed ? 2 : 1);
        for (QLineEdit* edit : Editable(page)) {
            if (!m_done.insert(edit).second) continue;
            std::vector<QString> texts = FixedTexts();
            for (int i = 0; i < extra; ++i) texts.push_back(RandomText(random));
            const std::string field =
                where + " field '" + edit->objectName().toStdString() + "' #" + std::to_string(m_done.size());
            for (const QString& text : texts) {
                Hammer(page, edit, text, field);
                if (HasFatalFailure()) return;
            }
            ++m_fields;
        }
    }

    // The page as it is, then each tab of each container and tab strip on it.
    void Visit(QWidget* page, const std::string& where)
    {
        HammerAll(page, where);
        if (HasFatalFailure()) return;
        for (ContainerPage* container : page->findChildren<ContainerPage*>()) {
            if (!container->isVisible()) continue;
            for (int tab = 0; tab < container->tabCount(); ++tab) {
                container->selectTab(tab);
                QApplication::processEvents();
                HammerAll(page, where + " tab " + std::to_string(tab));
                if (HasFatalFailure()) return;
            }
        }
        for (SubPageTabs* strip : page->findChildren<SubPageTabs*>()) {
            if (!strip->isVisible()) continue;
            for (int tab = 0; tab < strip->count(); ++tab) {
                strip->select(tab);
                QApplication::processEvents();
                HammerAll(page, where + " strip tab " + std::to_string(tab));
                if (HasFatalFailure()) return;
            }
        }
    }

    test::ScratchStandards m_standards;
    std::unique_ptr<MainWindow> m_window;
    std::set<QLineEdit*> m_done;
    qint64 m_slowest = 0;
    long m_keystrokes = 0, m_checks = 0;
    int m_fields = 0;
};

TEST_F(HostileTyping, EveryFieldOfEveryPageSurvives)
{
    for (int index = 0; index < kPageCount; ++index) {
        m_window->ShowPage(index);
        QApplication::processEvents();
        QWidget* page = m_window->page(index);
        // A container page itself is no field holder: its page widget is visited whole, tabs included.
        if (auto* container = qobject_cast<ContainerPage*>(page)) {
            for (int tab = 0; tab < container->tabCount(); ++tab) {
                container->selectTab(tab);
                QApplication::processEvents();
                Visit(page, "page " + std::to_string(index) + " tab " + std::to_string(tab));
                if (HasFatalFailure()) return;
            }
        } else {
            Visit(page, "page " + std::to_string(index));
            if (HasFatalFailure()) return;
        }
    }
    std::printf("hostile typing: %d fields, %ld keystrokes, %ld field checks, slowest keystroke %lld ms\n",
                m_fields, m_keystrokes, m_checks, static_cast<long long>(m_slowest));
    EXPECT_GT(m_fields, 100);
    if (kTimed) {
        EXPECT_LT(m_slowest, kSlowestKeystrokeMs);
    }
}

}  // namespace
}  // namespace tmcalc
