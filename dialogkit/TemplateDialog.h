// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/templates/DialogTemplate.h"

#include <QDialog>
#include <QHash>

namespace tessaro {

// A dialog whose controls come from a template; the screen reaches them by control id.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent);

    const DialogTemplate& dialogTemplate() const { return template_; }
    QWidget* control(int id) const;

    template <class Control>
    Control* control(int id) const {
        return qobject_cast<Control*>(control(id));
    }

private:
    void buildControls();
    QWidget* createControl(const ControlTemplate& entry);

    const DialogTemplate& template_;
    QHash<int, QWidget*> controls_;
};

}  // namespace tessaro
