// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/TemplateDialog.h"

#include "dialogkit/DialogMetrics.h"
#include "dialogkit/Language.h"
#include "dialogkit/PixmapLoading.h"
#include "dialogkit/ScreenColours.h"
#include "resources/templates/PictureTexts.h"
#include "widgets/ButtonStyle.h"
#include "widgets/ComplexPlane.h"
#include "widgets/EtchedGroupBox.h"
#include "widgets/MultiLineButton.h"
#include "widgets/PictureButton.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace tessaro {

namespace {

bool has(const ControlTemplate& entry, unsigned flag) { return (entry.style & flag) != 0; }

// A caption, title or field name of a template in the program's language.
QString translated(const char* text) { return QCoreApplication::translate("Template", text); }

Qt::Alignment horizontalAlignment(const ControlTemplate& entry) {
    if (has(entry, style::AlignCenter))
        return Qt::AlignHCenter;
    if (has(entry, style::AlignRight))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

Qt::WindowFlags frameFlags(FrameKind frame) {
    const Qt::WindowFlags common = Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame == FrameKind::MainWindow)
        return Qt::Window | common | Qt::WindowMinimizeButtonHint;
    return Qt::Dialog | common | Qt::MSWindowsFixedSizeDialogHint;
}

QPushButton* createPushButton(const ControlTemplate& entry, QWidget* parent) {
    const QString caption = translated(entry.text);
    QPushButton* button = nullptr;
    if (entry.kind == ControlKind::PictureButton)
        button = new PictureButton(caption, parent);
    else if (has(entry, style::MultiLine))
        button = new MultiLineButton(caption, parent);
    else
        button = new QPushButton(caption, parent);
    button->setAutoDefault(true);
    button->setProperty(kDefaultStyleProperty, has(entry, style::DefaultButton));
    if (auto* pictureButton = qobject_cast<PictureButton*>(button))
        pictureButton->BindToControl();
    return button;
}

QLineEdit* createEdit(const ControlTemplate& entry, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromUtf8(entry.text), parent);
    edit->setFrame(has(entry, style::Border));
    edit->setReadOnly(has(entry, style::ReadOnly));
    edit->setAlignment(horizontalAlignment(entry) | Qt::AlignVCenter);
    return edit;
}

QLabel* createStaticText(const ControlTemplate& entry, QWidget* parent) {
    auto* label = new QLabel(translated(entry.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    const bool centred = has(entry, style::CenterTranslation) && label->text() != QString::fromUtf8(entry.text);
    label->setAlignment((centred ? Qt::AlignHCenter : horizontalAlignment(entry)) | Qt::AlignTop);
    return label;
}

// Pictures and icons keep their own pixel size; the template gives only their place.
QLabel* createImage(const ControlTemplate& entry, QWidget* parent) {
    auto* label = new QLabel(parent);
    const QPixmap pixmap = loadCrispPixmap(localisedPicture(QString::fromUtf8(entry.text)));
    label->setPixmap(pixmap);
    const PictureText words = pictureText(entry.text);
    label->setAccessibleName(QCoreApplication::translate("Picture", words.name));
    label->setAccessibleDescription(QCoreApplication::translate("Picture", words.description));
    return label;
}

EtchedGroupBox* createGroupBox(const ControlTemplate& entry, QWidget* parent) {
    auto* box = new EtchedGroupBox(translated(entry.text), parent);
    // Only a frame: the controls it surrounds are its siblings and must stay clickable.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return box;
}

Qt::FocusPolicy templateFocusPolicy(const ControlTemplate& entry) {
    switch (entry.kind) {
    case ControlKind::StaticText:
    case ControlKind::StaticIcon:
    case ControlKind::StaticPicture:
    case ControlKind::GroupBox:
    case ControlKind::ComplexPlane:
        return Qt::NoFocus;
    default:
        return has(entry, style::TabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    }
}

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent, frameFlags(dialogTemplate.frame)), template_(dialogTemplate) {
    setWindowTitle(translated(dialogTemplate.title));
    setFont(dialogFont());
    applyScreenColours(*this);
    setAutoFillBackground(true);
    const QSize size = dialogSizeInPixels(dialogTemplate.width, dialogTemplate.height);
    if (dialogTemplate.frame == FrameKind::Modal) {
        setFixedSize(size);
    } else {
        // The sizing border lets the window grow but not shrink below its template, where it would hide controls.
        resize(size);
        setMinimumSize(size);
    }
    buildControls();
}

QWidget* TemplateDialog::control(int id) const { return controls_.value(id); }

void TemplateDialog::buildControls() {
    QWidget* firstInTabOrder = nullptr;
    QWidget* previousInTabOrder = nullptr;
    for (const ControlTemplate& entry : template_.controls) {
        QWidget* widget = createControl(entry);
        const QRect place = toPixels(entry.rect);
        if (entry.kind == ControlKind::StaticIcon || entry.kind == ControlKind::StaticPicture)
            widget->setGeometry(QRect(place.topLeft(), widget->sizeHint()));
        else
            widget->setGeometry(place);
        widget->setFocusPolicy(templateFocusPolicy(entry));
        if (entry.accessibleName)
            widget->setAccessibleName(translated(entry.accessibleName));
        // The desktop theme may give a class of control colours of its own; only buttons keep them.
        if (!qobject_cast<QPushButton*>(widget))
            applyScreenColours(*widget);
        if (entry.kind == ControlKind::GroupBox)
            widget->lower();
        widget->setBackgroundRole(entry.kind == ControlKind::Edit ? QPalette::Base : QPalette::Window);
        if (entry.id != kNoId)
            controls_.insert(entry.id, widget);
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previousInTabOrder)
                setTabOrder(previousInTabOrder, widget);
            previousInTabOrder = widget;
            if (!firstInTabOrder && (widget->focusPolicy() & Qt::TabFocus))
                firstInTabOrder = widget;
        }
    }
    // Enter presses the first button of default style, unless another button has the focus.
    for (const ControlTemplate& entry : template_.controls)
        if (has(entry, style::DefaultButton)) {
            control<QPushButton>(entry.id)->setDefault(true);
            break;
        }
    // A screen opens with the focus on its first control in tab order.
    if (firstInTabOrder)
        firstInTabOrder->setFocus();
}

QWidget* TemplateDialog::createControl(const ControlTemplate& entry) {
    switch (entry.kind) {
    case ControlKind::PushButton:
    case ControlKind::PictureButton: {
        QPushButton* button = createPushButton(entry, this);
        if (entry.id == kOkId)
            connect(button, &QPushButton::clicked, this, &QDialog::accept);
        else if (entry.id == kCancelId)
            connect(button, &QPushButton::clicked, this, &QDialog::reject);
        return button;
    }
    case ControlKind::RadioButton:
        return new QRadioButton(translated(entry.text), this);
    case ControlKind::GroupBox:
        return createGroupBox(entry, this);
    case ControlKind::StaticText:
        return createStaticText(entry, this);
    case ControlKind::StaticIcon:
    case ControlKind::StaticPicture:
        return createImage(entry, this);
    case ControlKind::Edit:
        return createEdit(entry, this);
    case ControlKind::ComplexPlane:
        return new ComplexPlane(this);
    }
    return nullptr;
}

}  // namespace tessaro
