// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules menu opens the page of each row; every page shows its picture at the picture's own size.

#include "RulePages.h"
#include "RulesMenu.h"
#include "RulesTemplates.h"
#include "ScreenTesting.h"

#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tessaro::testing {
namespace {

struct Row {
    int button;
    const char* page;
    const char* title;
    const char* picture;
    QSize size;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.page; }

class RulesMenuRow : public ScreenTest, public ::testing::WithParamInterface<Row> {};

TEST_P(RulesMenuRow, OpensThePageOfItsRowOverTheMenuWithItsPictureAtItsOwnSize) {
    Regeln menu;
    showAndPaint(menu);
    const QImage before = screenImage(menu);
    QStringList seen;
    whenModalOpens(&menu, [&](QWidget& page) {
        QApplication::processEvents();
        seen << QString::fromLatin1(page.metaObject()->className()) << page.windowTitle();
        EXPECT_EQ(page.parentWidget(), &menu) << "the menu stays blocked below its page";
        for (auto* label : page.findChildren<QLabel*>())
            if (!label->pixmap().isNull())
                seen << QString::number(label->width()) + "x" + QString::number(label->height());
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    QTest::mouseClick(menu.control(GetParam().button), Qt::LeftButton);
    const QSize size = GetParam().size;
    EXPECT_EQ(seen, QStringList({GetParam().page, QString::fromUtf8(GetParam().title),
                                 QString::number(size.width()) + "x" + QString::number(size.height())}));
    EXPECT_EQ(screenImage(menu), before);
}

// The pictures themselves are held to the pages' reference pictures; here their versions for dense screens.
TEST_P(RulesMenuRow, HasItsPictureAtTwiceItsSizeForDenseScreens) {
    EXPECT_EQ(QImageReader(QStringLiteral(":/pictures/%1@2x.png").arg(GetParam().picture)).size(), GetParam().size * 2);
}

using namespace rulesmenu;
INSTANTIATE_TEST_SUITE_P(
    Rows, RulesMenuRow,
    ::testing::Values(Row{IundjButton, "iundj", "REGELN Die Geschichte von den i´s und j´s", "page135", {537, 191}},
                      Row{DefinitionButton, "Definition", "REGELN Definition und Darstellung", "page139", {543, 409}},
                      Row{ModulusButton, "Betrag", "REGELN Betrag", "page136", {502, 204}},
                      Row{AdditionButton, "Addition", "REGELN Addition", "page137", {492, 212}},
                      Row{MultiplicationButton, "Multiplikatioin", "REGELN Multiplikation", "page138", {491, 175}},
                      Row{DivisionButton, "Division", "REGELN Division", "page151", {542, 405}}),
    [](const auto& info) { return std::string(info.param.page); });

TEST(Portrait, IsAnEightBitGreyPictureWithAFullGreyPalette) {
    const QImage portrait(QStringLiteral(":/pictures/portrait133.png"));
    EXPECT_EQ(portrait.size(), QSize(142, 182));
    EXPECT_EQ(portrait.format(), QImage::Format_Indexed8);
    QList<QRgb> greys;
    for (int level = 0; level < 256; ++level)
        greys << qRgb(level, level, level);
    EXPECT_EQ(portrait.colorTable(), greys);
}

}  // namespace
}  // namespace tessaro::testing
