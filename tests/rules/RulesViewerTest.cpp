// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ButtonStyle.h"
#include "ModalDriver.h"
#include "RulePages.h"
#include "RulesMenu.h"
#include "ScreenTesting.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

struct PageRow {
    int button;
    const char* className;
    const char* title;
    QSize pictureSize;
};

const PageRow kRows[] = {
    {1003, "iundj", "REGELN Die Geschichte von den i´s und j´s", {537, 191}},
    {1004, "Definition", "REGELN Definition und Darstellung", {543, 409}},
    {1005, "Betrag", "REGELN Betrag", {502, 204}},
    {1006, "Addition", "REGELN Addition", {492, 212}},
    {1007, "Multiplikatioin", "REGELN Multiplikation", {491, 175}},
    {1008, "Division", "REGELN Division", {542, 405}},
};

QSize shownPictureSize(QWidget& page) {
    for (auto* label : page.findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            return label->size();
    return {};
}

class RulesMenuRow : public ScreenTest, public ::testing::WithParamInterface<PageRow> {};

TEST_P(RulesMenuRow, AnsehenOpensThePageOfItsRowAndLeavesTheMenuUnchanged) {
    Regeln menu;
    showAndPaint(menu);
    const QImage before = screenImage(menu);

    QString className;
    QString title;
    QSize pictureSize;
    bool ownerBlocked = false;
    whenModalOpens(&menu, [&](QWidget& page) {
        QApplication::processEvents();
        className = QString::fromLatin1(page.metaObject()->className());
        title = page.windowTitle();
        pictureSize = shownPictureSize(page);
        ownerBlocked = QApplication::activeModalWidget() == &page && page.parentWidget() == &menu;
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    QTest::mouseClick(menu.control(GetParam().button), Qt::LeftButton);

    EXPECT_EQ(className, QString::fromLatin1(GetParam().className));
    EXPECT_EQ(title, QString::fromUtf8(GetParam().title));
    EXPECT_EQ(pictureSize, GetParam().pictureSize);
    EXPECT_TRUE(ownerBlocked);
    EXPECT_TRUE(menu.isVisible());
    QTest::mouseMove(&menu, QPoint(1, 1));
    EXPECT_EQ(screenImage(menu), before);
}

INSTANTIATE_TEST_SUITE_P(Rows, RulesMenuRow, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.className); });

struct Closing {
    const char* name;
    std::function<void(QDialog&)> act;
};

template <class Page>
int runAndClose(const Closing& closing) {
    Page page;
    QTimer::singleShot(0, &page, [&page, &closing] {
        QApplication::processEvents();
        closing.act(page);
    });
    QTimer::singleShot(3000, &page, [&page] { page.done(99); });
    return page.exec();
}

class ClosingARulePage : public ::testing::TestWithParam<Closing> {};

TEST_P(ClosingARulePage, ClosesEveryPage) {
    EXPECT_NE(runAndClose<iundj>(GetParam()), 99);
    EXPECT_NE(runAndClose<Definition>(GetParam()), 99);
    EXPECT_NE(runAndClose<Betrag>(GetParam()), 99);
    EXPECT_NE(runAndClose<Addition>(GetParam()), 99);
    EXPECT_NE(runAndClose<Multiplikatioin>(GetParam()), 99);
    EXPECT_NE(runAndClose<Division>(GetParam()), 99);
    EXPECT_NE(runAndClose<Regeln>(GetParam()), 99);
}

// The division page's button carries the cancel id and no default style, yet it closes the page, by click and by
// Enter, since it holds the focus.
QWidget* closingButton(QDialog& page) {
    for (auto* button : page.findChildren<QPushButton*>())
        if (button->text().startsWith(QStringLiteral("Zurück")))
            return button;
    return nullptr;
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingARulePage,
    ::testing::Values(Closing{"Zurueck", [](QDialog& p) { QTest::mouseClick(closingButton(p), Qt::LeftButton); }},
                      Closing{"Enter", [](QDialog& p) { QTest::keyClick(p.focusWidget(), Qt::Key_Return); }},
                      Closing{"Escape", [](QDialog& p) { QTest::keyClick(&p, Qt::Key_Escape); }},
                      Closing{"CloseBox", [](QDialog& p) { p.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DivisionPage, ZurueckHoldsTheFocusAndIsNoDefaultButton) {
    Division page;
    showAndPaint(page);
    auto* back = qobject_cast<QPushButton*>(closingButton(page));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), back);
    EXPECT_FALSE(back->property(kDefaultStyleProperty).toBool());
}

}  // namespace
