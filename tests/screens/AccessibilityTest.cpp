// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutDialog.h"
#include "Announcement.h"
#include "ExerciseScreenTesting.h"
#include "MainMenuDialog.h"
#include "ProgramState.h"
#include "Rechnen1.h"
#include "Rechnen2.h"
#include "RulePages.h"
#include "RulesMenu.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <vector>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

QAccessibleInterface* accessibleOf(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

// Every control a user can reach or read, as assistive technology sees the screen.
void collectControls(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& controls) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child)
            continue;
        switch (child->role()) {
        case QAccessible::PushButton:
        case QAccessible::RadioButton:
        case QAccessible::EditableText:
        case QAccessible::Graphic:
            controls.push_back(child);
            break;
        default:
            break;
        }
        collectControls(child, controls);
    }
}

struct Screen {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

class EveryScreen : public ScreenTest, public ::testing::WithParamInterface<Screen> {};

TEST_P(EveryScreen, NamesEveryControlInGerman) {
    prepareExercise(ExerciseMode::AddSubtract);
    const std::unique_ptr<QWidget> screen = GetParam().make();
    std::vector<QAccessibleInterface*> controls;
    collectControls(accessibleOf(screen.get()), controls);
    ASSERT_FALSE(controls.empty());
    for (QAccessibleInterface* control : controls)
        EXPECT_FALSE(control->text(QAccessible::Name).trimmed().isEmpty())
            << GetParam().name << ": " << control->object()->metaObject()->className();
}

INSTANTIATE_TEST_SUITE_P(Screens, EveryScreen,
                         ::testing::Values(Screen{"MainMenu", [] { return std::make_unique<MainMenuDialog>(); }},
                                           Screen{"About", [] { return std::make_unique<AboutDialog>(); }},
                                           Screen{"Rechnen1", [] { return std::make_unique<Rechnen1>(); }},
                                           Screen{"Rechnen2", [] { return std::make_unique<Rechnen2>(); }},
                                           Screen{"Regeln", [] { return std::make_unique<Regeln>(); }},
                                           Screen{"Division", [] { return std::make_unique<Division>(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FieldNames, SayWhatEachFieldHolds) {
    Rechnen1 first;
    Rechnen2 second;
    const std::tuple<TemplateDialog*, int, const char*> fields[] = {
        {&first, 1001, "Aufgabe"},
        {&first, 1012, "Ergebnis"},
        {&first, 1006, "Richtig"},
        {&first, 1007, "Falsch"},
        {&first, 1005, "Prozentuale Auswertung"},
        {&second, 1012, "Realteil des Zählers"},
        {&second, 1020, "Nenner"},
        {&second, 1013, "Imaginärteil des Zählers"},
        {&second, 1025, "Dividend"},
        {&second, 1026, "Divisor"},
    };
    for (const auto& [screen, id, name] : fields)
        EXPECT_EQ(accessibleOf(screen->control(id))->text(QAccessible::Name), QString::fromUtf8(name)) << id;
}

// Records the alerts that assistive technology receives.
class AlertRecorder {
public:
    AlertRecorder() {
        alerts().clear();
        observeAnnouncements([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::Alert)
                alerts().push_back(event->object());
        });
    }
    ~AlertRecorder() { observeAnnouncements(nullptr); }
    static std::vector<QObject*>& alerts() {
        static std::vector<QObject*> recorded;
        return recorded;
    }
};

QString accessibleValue(QWidget* field) {
    QAccessibleInterface* face = accessibleOf(field);
    return face->text(QAccessible::Value);
}

TEST_F(ScreenTest, VerdictsOfTheFirstScreenAreAnnounced) {
    prepareExercise(ExerciseMode::Modulus);
    Rechnen1 screen;
    showAndPaint(screen);
    AlertRecorder recorder;

    screen.control<QLineEdit>(1012)->setText(QString::fromStdString(programState().expectedAnswer));
    screen.evaluateAnswer();
    ASSERT_EQ(AlertRecorder::alerts().size(), 1U);
    EXPECT_EQ(AlertRecorder::alerts().back(), screen.control(1014));
    EXPECT_EQ(accessibleValue(screen.control(1014)), QStringLiteral("Richtig!!"));

    screen.evaluateAnswer();
    ASSERT_EQ(AlertRecorder::alerts().size(), 2U);
    EXPECT_EQ(AlertRecorder::alerts().back(), screen.control(1013));
    EXPECT_TRUE(accessibleValue(screen.control(1013)).startsWith(QStringLiteral("Falsch: ")));
}

TEST_F(ScreenTest, TheCorrectFractionIsAnnouncedWhole) {
    prepareExercise(ExerciseMode::Divide);
    Rechnen2 screen;
    showAndPaint(screen);
    AlertRecorder recorder;
    screen.evaluateAnswer();

    ASSERT_EQ(AlertRecorder::alerts().size(), 1U);
    QWidget* label = screen.control(1027);
    EXPECT_EQ(AlertRecorder::alerts().back(), label);
    const QString description = accessibleOf(label)->text(QAccessible::Description);
    const QString expected = QStringLiteral("Zähler: %1 %2, Nenner: %3")
                                 .arg(screen.control<QLineEdit>(1014)->text(), screen.control<QLineEdit>(1015)->text(),
                                      screen.control<QLineEdit>(1022)->text());
    EXPECT_EQ(description, expected);
}

struct PageText {
    const char* page;
    std::function<std::unique_ptr<QWidget>()> make;
    const char* heading;
    const char* formula;
};

class RulePageWords : public ::testing::TestWithParam<PageText> {};

TEST_P(RulePageWords, ThePictureCanBeReadWithoutSeeingIt) {
    const std::unique_ptr<QWidget> page = GetParam().make();
    std::vector<QAccessibleInterface*> controls;
    collectControls(accessibleOf(page.get()), controls);
    const auto picture = std::find_if(controls.begin(), controls.end(),
                                      [](QAccessibleInterface* c) { return c->role() == QAccessible::Graphic; });
    ASSERT_NE(picture, controls.end());
    EXPECT_EQ((*picture)->text(QAccessible::Name), QString::fromUtf8(GetParam().heading));
    const QString description = (*picture)->text(QAccessible::Description);
    EXPECT_TRUE(description.startsWith(QString::fromUtf8(GetParam().heading).section(';', 0, 0)));
    EXPECT_TRUE(description.contains(QString::fromUtf8(GetParam().formula))) << description.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RulePageWords,
    ::testing::Values(
        PageText{"iundj", [] { return std::make_unique<iundj>(); }, "Die Geschichte von den i´s und j´s", "als j."},
        PageText{"Definition", [] { return std::make_unique<Definition>(); },
                 "Definition der imaginären Einheit und der imaginären Zahl; Definition einer komplexen Zahl",
                 "z = x + j · y"},
        PageText{"Betrag", [] { return std::make_unique<Betrag>(); }, "Der Betrag einer komplexen Zahl",
                 "|z| = √(x² + y²)"},
        PageText{"Addition", [] { return std::make_unique<Addition>(); },
                 "Addition und Subtraktion von komplexen Zahlen", "z1 − z2 = (x1 − x2) + j · (y1 − y2)"},
        PageText{"Multiplikatioin", [] { return std::make_unique<Multiplikatioin>(); },
                 "Multiplikation von komplexen Zahlen (kartesisch)",
                 "z1 · z2 = (x1 · x2 − y1 · y2) + j · (x1 · y2 + x2 · y1)"},
        PageText{"Division", [] { return std::make_unique<Division>(); }, "Division komplexer Zahlen",
                 "((x1 · x2 + y1 · y2) + j · (x2 · y1 − x1 · y2)) / (x2² + y2²)"}),
    [](const auto& info) { return std::string(info.param.page); });

}  // namespace
