// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The dialog font and every caption of every template in it: nothing is cut short.

#include "DialogMetrics.h"
#include "ScreenTesting.h"
#include "Templates.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>

namespace tessaro {
namespace {

TEST(DialogFont, IsLiberationSansAtTenPixelsAndArialCellHeightsBecomeItsEmSizes) {
    const QFontInfo dialog(dialogFont());
    EXPECT_EQ(dialog.family() + QString::number(dialog.pixelSize()), QStringLiteral("Liberation Sans10"));
    for (const auto& [cellHeight, pixels] : {std::pair{24, 21}, {18, 16}, {14, 13}})
        EXPECT_EQ(arialFont(cellHeight).pixelSize(), pixels) << cellHeight;
}

class EveryTemplate : public ::testing::TestWithParam<const DialogTemplate*> {};

TEST_P(EveryTemplate, ShowsEveryCaptionWholeInTheDialogFont) {
    const QFontMetrics metrics(dialogFont());
    const QStyle* style = QApplication::style();
    for (const ControlTemplate& entry : GetParam()->controls) {
        if (entry.kind == ControlKind::StaticIcon || entry.kind == ControlKind::StaticPicture ||
            entry.kind == ControlKind::Edit)
            continue;
        const QString text = QString::fromUtf8(entry.text);
        const QRect place = toPixels(entry.rect);
        int room = place.width();
        if (entry.kind == ControlKind::RadioButton)
            room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                    style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        if (entry.kind == ControlKind::PushButton || entry.kind == ControlKind::PictureButton)
            room -= 4;  // the button's edges
        if (entry.kind == ControlKind::StaticText || (entry.style & style::MultiLine)) {
            const QRect needed = metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text);
            EXPECT_LE(needed.height(), place.height()) << entry.text;
            EXPECT_LE(needed.width(), room) << entry.text;
        } else {
            EXPECT_LE(metrics.horizontalAdvance(text), room) << entry.text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, EveryTemplate,
                         ::testing::ValuesIn(templates::all().begin(), templates::all().end()),
                         [](const auto& info) { return "Template" + std::to_string(info.param->id); });

}  // namespace
}  // namespace tessaro
