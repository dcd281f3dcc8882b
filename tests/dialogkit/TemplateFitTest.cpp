// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The dialog font and every caption of every template in it: nothing is cut short.

#include "dialogkit/DialogMetrics.h"
#include "dialogkit/Language.h"
#include "resources/templates/Templates.h"
#include "tests/support/ScreenTesting.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFontMetrics>
#include <QStyle>

namespace tessaro {
namespace {

class EveryTemplate : public ::testing::TestWithParam<std::tuple<const DialogTemplate*, QString>> {
protected:
    void SetUp() override {
        useLanguage({std::get<QString>(GetParam())});
        ASSERT_EQ(currentLanguage(), std::get<QString>(GetParam()));
    }
    void TearDown() override { useLanguage({QStringLiteral("de")}); }
};

TEST_P(EveryTemplate, ShowsEveryCaptionWholeInTheDialogFontInEveryLanguage) {
    const QFontMetrics metrics(dialogFont());
    const QStyle* style = QApplication::style();
    for (const ControlTemplate& entry : std::get<const DialogTemplate*>(GetParam())->controls) {
        if (entry.kind == ControlKind::StaticIcon || entry.kind == ControlKind::StaticPicture ||
            entry.kind == ControlKind::Edit)
            continue;
        const QString text = QCoreApplication::translate("Template", entry.text);
        const QRect place = toPixels(entry.rect);
        int room = place.width();
        if (entry.kind == ControlKind::RadioButton)
            room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                    style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        if (entry.kind == ControlKind::PushButton || entry.kind == ControlKind::PictureButton)
            room -= 4;  // the button's edges
        const bool wraps = entry.kind == ControlKind::StaticText || (entry.style & style::MultiLine);
        const QRect needed = metrics.boundingRect(QRect(0, 0, room, 10000), wraps ? Qt::TextWordWrap : 0, text);
        EXPECT_LE(needed.width(), room) << entry.text;
        EXPECT_LE(needed.height(), place.height()) << entry.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, EveryTemplate,
                         ::testing::Combine(::testing::ValuesIn(templates::all().begin(), templates::all().end()),
                                            ::testing::ValuesIn(testing::programLanguages())),
                         [](const auto& info) {
                             return "Template" + std::to_string(std::get<0>(info.param)->id) + "_" +
                                    std::get<1>(info.param).toStdString();
                         });

}  // namespace
}  // namespace tessaro
