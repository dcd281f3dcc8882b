#include "AboutDialog.h"

#include "AboutTemplate.h"

namespace tessaro {

AboutDialog::AboutDialog(QWidget* parent) : TemplateDialog(about::dialogTemplate(), parent) {}

}  // namespace tessaro
