// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules menu opens the page of each row above itself. The pages themselves, titles and pictures, are held to
// their reference pictures and texts.

#include "dialogkit/Language.h"
#include "resources/templates/RulesTemplates.h"
#include "screens/RulesMenu.h"
#include "tests/support/ScreenTesting.h"

#include <QImageReader>
#include <QLabel>
#include <QTest>

namespace tessaro::testing {
namespace {

using namespace rulesmenu;

TEST_F(ScreenTest, EveryRowOfTheRulesMenuOpensItsPageAboveTheMenu) {
    Regeln menu;
    showAndPaint(menu);
    const std::tuple<int, const char*, const char*> rows[] = {{IundjButton, "iundj", "page135"},
                                                              {DefinitionButton, "Definition", "page139"},
                                                              {ModulusButton, "Betrag", "page136"},
                                                              {AdditionButton, "Addition", "page137"},
                                                              {MultiplicationButton, "Multiplikatioin", "page138"},
                                                              {DivisionButton, "Division", "page151"},
                                                              {PolarButton, "Polarform", "page153"}};
    for (const auto& [button, page, picture] : rows) {
        QWidget* ansehen = menu.control(button);
        EXPECT_EQ(classOfScreenOpenedBy(&menu, [ansehen] { QTest::mouseClick(ansehen, Qt::LeftButton); }),
                  QString::fromLatin1(page));
        // Every picture has a version at twice its size for dense screens.
        const QString path = QStringLiteral(":/pictures/%1.png").arg(picture);
        EXPECT_EQ(QImageReader(QString(path).replace(".png", "@2x.png")).size(), QImageReader(path).size() * 2);
    }
}

// A screen reader says each "Ansehen!" button with its topic, in the program's language: the words of the label on
// its row, which the eye reads. A topic left in German in another language fails here.
TEST_F(ScreenTest, EveryButtonOfTheRulesMenuIsReadWithTheTopicOnItsRowInEveryLanguage) {
    const std::pair<int, const char*> rows[] = {{IundjButton, "Der Geschichte von den i´s und j´s"},
                                                {DefinitionButton, "Definition und Darstellung einer komplexen Zahl"},
                                                {ModulusButton, "Der Betrag einer komplexen Zahl"},
                                                {AdditionButton, "Addition und Subtraktion von komplexen Zahlen"},
                                                {MultiplicationButton, "Multiplikation von komplexen Zahlen"},
                                                {DivisionButton, "Division von komplexen Zahlen"},
                                                {PolarButton, "Polarform und Exponentialform"}};
    for (const QString& language : programLanguages()) {
        useLanguage({language});
        Regeln menu;
        const auto labelBeside = [&menu](const QWidget* button) {
            for (const QLabel* label : menu.findChildren<QLabel*>())
                if (label->pixmap().isNull() && label->geometry().top() <= button->geometry().bottom() &&
                    button->geometry().top() <= label->geometry().top())
                    return label->text();
            return QStringLiteral("(no label)");
        };
        for (const auto& [button, german] : rows) {
            const QWidget* ansehen = menu.control(button);
            const QString topic = ansehen->accessibleDescription();
            EXPECT_EQ(topic, labelBeside(ansehen)) << language.toStdString() << " " << german;
            EXPECT_EQ(topic == QString::fromUtf8(german), language == QStringLiteral("de"))
                << language.toStdString() << " " << german;
        }
    }
    useLanguage({QStringLiteral("de")});
}

}  // namespace
}  // namespace tessaro::testing
