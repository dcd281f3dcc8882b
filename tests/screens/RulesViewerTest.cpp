// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules menu opens the page of each row above itself. The pages themselves, titles and pictures, are held to
// their reference pictures and texts.

#include "resources/templates/RulesTemplates.h"
#include "screens/RulesMenu.h"
#include "tests/support/ScreenTesting.h"

#include <QImageReader>
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
                                                              {DivisionButton, "Division", "page151"}};
    for (const auto& [button, page, picture] : rows) {
        QWidget* ansehen = menu.control(button);
        EXPECT_EQ(classOfScreenOpenedBy(&menu, [ansehen] { QTest::mouseClick(ansehen, Qt::LeftButton); }),
                  QString::fromLatin1(page));
        // Every picture has a version at twice its size for dense screens.
        const QString path = QStringLiteral(":/pictures/%1.png").arg(picture);
        EXPECT_EQ(QImageReader(QString(path).replace(".png", "@2x.png")).size(), QImageReader(path).size() * 2);
    }
}

}  // namespace
}  // namespace tessaro::testing
