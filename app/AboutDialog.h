#pragma once

#include "TemplateDialog.h"

namespace tessaro {

// Shows the program's name, version, author and where to send feedback.
class AboutDialog : public TemplateDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace tessaro
