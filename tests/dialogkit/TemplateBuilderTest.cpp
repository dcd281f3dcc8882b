// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogMetrics.h"
#include "ScreenTesting.h"
#include "TemplateDialog.h"
#include "Templates.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include <vector>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

class EveryTemplate : public ::testing::TestWithParam<const DialogTemplate*> {
protected:
    void SetUp() override { dialog = std::make_unique<TemplateDialog>(*GetParam(), nullptr); }
    std::unique_ptr<TemplateDialog> dialog;
};

bool isImage(const ControlTemplate& entry) {
    return entry.kind == ControlKind::StaticIcon || entry.kind == ControlKind::StaticPicture;
}

// The control that shows this entry: its text at its place (images: at their top-left corner).
QWidget* findControl(TemplateDialog& dialog, const ControlTemplate& entry) {
    const QRect place = toPixels(entry.rect);
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (isImage(entry)) {
            if (child->pos() == place.topLeft() && child->property("resourcePath").toString() == entry.text)
                return child;
        } else if (child->geometry() == place && shownText(*child) == QString::fromUtf8(entry.text)) {
            return child;
        }
    }
    return nullptr;
}

TEST_P(EveryTemplate, HasItsTitleAndSize) {
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(GetParam()->title));
    EXPECT_EQ(dialog->size(), dialogSizeInPixels(GetParam()->width, GetParam()->height));
    const bool fixed = GetParam()->frame == FrameKind::Modal;
    EXPECT_EQ(dialog->minimumSize() == dialog->maximumSize(), fixed);
    EXPECT_EQ(dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), !fixed);
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_P(EveryTemplate, ShowsEveryControlWithItsTextAtItsPlace) {
    for (const ControlTemplate& entry : GetParam()->controls) {
        QWidget* control = findControl(*dialog, entry);
        ASSERT_NE(control, nullptr) << entry.text;
        if (entry.id != kNoId) {
            EXPECT_EQ(dialog->control(entry.id), control) << entry.id;
        }
    }
}

TEST_P(EveryTemplate, TabGoesThroughTheTabStopsInTemplateOrder) {
    std::vector<QWidget*> expected;
    for (const ControlTemplate& entry : GetParam()->controls)
        if (entry.style & style::TabStop)
            expected.push_back(findControl(*dialog, entry));
    std::vector<QWidget*> visited;
    if (!expected.empty()) {
        QWidget* current = expected.front();
        do {
            visited.push_back(current);
            do
                current = current->nextInFocusChain();
            while (!(current->focusPolicy() & Qt::TabFocus) && current != expected.front());
        } while (current != expected.front() && visited.size() <= expected.size());
    }
    EXPECT_EQ(visited, expected);
}

TEST_P(EveryTemplate, FieldsHaveTheirStyles) {
    for (const ControlTemplate& entry : GetParam()->controls) {
        auto* edit = qobject_cast<QLineEdit*>(findControl(*dialog, entry));
        if (!edit)
            continue;
        EXPECT_EQ(edit->isReadOnly(), (entry.style & style::ReadOnly) != 0) << entry.id;
        EXPECT_EQ(edit->hasFrame(), (entry.style & style::Border) != 0) << entry.id;
        const Qt::Alignment expected = (entry.style & style::AlignCenter)  ? Qt::AlignHCenter
                                       : (entry.style & style::AlignRight) ? Qt::AlignRight
                                                                           : Qt::AlignLeft;
        EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, expected) << entry.id;
    }
}

TEST_P(EveryTemplate, EveryTextFitsItsControlInTheDialogFont) {
    const QFontMetrics metrics(dialogFont());
    for (const ControlTemplate& entry : GetParam()->controls) {
        if (isImage(entry) || entry.kind == ControlKind::Edit)
            continue;
        const QString text = QString::fromUtf8(entry.text);
        const QRect place = toPixels(entry.rect);
        int room = place.width();
        if (entry.kind == ControlKind::RadioButton)
            room -= dialog->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                    dialog->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        if (entry.kind == ControlKind::PushButton || entry.kind == ControlKind::PictureButton)
            room -= 4;  // the button's edges
        const bool wraps = entry.kind == ControlKind::StaticText || (entry.style & style::MultiLine);
        if (wraps) {
            const QRect needed = metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text);
            EXPECT_LE(needed.height(), place.height()) << entry.text;
            EXPECT_LE(needed.width(), room) << entry.text;
        } else {
            EXPECT_LE(metrics.horizontalAdvance(text), room) << entry.text;
        }
    }
}

TEST_P(EveryTemplate, PicturesKeepTheirOwnPixelSize) {
    for (const ControlTemplate& entry : GetParam()->controls) {
        if (!isImage(entry))
            continue;
        auto* picture = qobject_cast<QLabel*>(findControl(*dialog, entry));
        ASSERT_NE(picture, nullptr) << entry.text;
        const QPixmap pixmap = picture->pixmap();
        ASSERT_FALSE(pixmap.isNull()) << entry.text;
        EXPECT_EQ(picture->size(), pixmap.deviceIndependentSize().toSize()) << entry.text;
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QImage(QString::fromUtf8(entry.text)).size()) << entry.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, EveryTemplate,
                         ::testing::ValuesIn(templates::all().begin(), templates::all().end()),
                         [](const auto& info) { return "Template" + std::to_string(info.param->id); });

}  // namespace
