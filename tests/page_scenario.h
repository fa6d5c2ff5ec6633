#pragma once
// Page scenarios: a user's actions on a page and what its fields show after each, as data. Every page
// test states its cases as scenarios and runs them with RunScenario through a small driver that says
// how the page's fields and buttons are found.

#include "ui_test_util.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <ostream>
#include <vector>

namespace tmcalc::test {

enum class Act {
    Type,   // click into the field and type the keys at its end (into a group: each field its '|' part)
    Over,   // click into the field, select all and type the keys over it
    Paste,  // click into the field, select all and paste the keys over it
    Back,   // click into the field and press backspace as often as the keys say (once when empty)
    Focus,  // click into the field only
    Write,  // the program writes the keys into the field (no focus: nothing may convert)
    Click,  // the driver's click on control `field` (a tab, a radio button)
    Look,   // nothing: only compare
};

// What a field or a group of fields shows: the texts joined with '|', where "OUT" stands for the English
// out-of-range text, "*" for any text and "#" for any text that is not empty.
struct Expect {
    int field;
    QString texts;
};

struct Step {
    Act act;
    int field;
    QString keys = {};
    std::vector<Expect> shows = {};
};

using Scenario = std::vector<Step>;

// How a scenario reaches the page. `edit` finds a field's edit box; `group` lists the fields of a group
// id (a plain field id stands for itself when it is not given or returns nothing); `text` reads a
// pseudo-field (a checked radio button, say) when it is not an edit box; `click` carries out Act::Click.
struct PageDriver {
    std::function<QLineEdit*(int id)> edit;
    std::function<std::vector<int>(int group)> group = {};
    std::function<QString(int id)> text = {};
    std::function<void(int id)> click = {};
};

inline std::vector<int> FieldsOf(const PageDriver& page, int id)
{
    const std::vector<int> ids = page.group ? page.group(id) : std::vector<int>{};
    return ids.empty() ? std::vector<int>{id} : ids;
}

// The texts of a field or group as an expectation states them.
inline QString Shown(const PageDriver& page, int id, const QString& want)
{
    const QStringList wanted = want.split(QLatin1Char('|'));
    QStringList texts;
    for (int field : FieldsOf(page, id)) {
        QLineEdit* edit = page.edit(field);
        QString text = edit != nullptr ? edit->text() : page.text ? page.text(field) : QString();
        if (text == QStringLiteral("Out of Rage.")) text = QStringLiteral("OUT");  // the English text; the Chinese stays
        const qsizetype k = texts.size();
        if (k < wanted.size() && (wanted[k] == "*" || (wanted[k] == "#" && !text.isEmpty()))) text = wanted[k];
        texts << text;
    }
    return texts.join(QLatin1Char('|'));
}

// Runs the steps in order; every step must answer at once (an iteration that does not settle must
// give up rather than freeze the page), and each expectation must hold after its step.
inline void RunScenario(const PageDriver& page, const Scenario& steps)
{
    for (std::size_t n = 0; n < steps.size(); ++n) {
        const Step& s = steps[n];
        const auto start = std::chrono::steady_clock::now();
        switch (s.act) {
        case Act::Type: {
            const std::vector<int> ids = FieldsOf(page, s.field);
            const QStringList keys = s.keys.split(QLatin1Char('|'));
            for (std::size_t i = 0; i < ids.size() && static_cast<qsizetype>(i) < keys.size(); ++i)
                Type(page.edit(ids[i]), keys[static_cast<qsizetype>(i)]);
            break;
        }
        case Act::Over:
            Focus(page.edit(s.field));
            page.edit(s.field)->selectAll();
            QTest::keyClicks(page.edit(s.field), s.keys);
            break;
        case Act::Paste:
            PasteOver(page.edit(s.field), s.keys);
            break;
        case Act::Back:
            Backspace(page.edit(s.field), s.keys.isEmpty() ? 1 : s.keys.toInt());
            break;
        case Act::Focus:
            Focus(page.edit(s.field));
            break;
        case Act::Write:
            page.edit(s.field)->setText(s.keys);
            break;
        case Act::Click:
            ASSERT_TRUE(page.click) << "step " << n << ": the driver has no clicks";
            page.click(s.field);
            break;
        case Act::Look:
            break;
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250)) << "step " << n;
        for (const Expect& e : s.shows) EXPECT_EQ(Shown(page, e.field, e.texts), e.texts) << "step " << n;
    }
}

}  // namespace tmcalc::test

// Readable failures: the texts rather than their bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
