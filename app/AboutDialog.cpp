#include "AboutDialog.h"

#include "Templates.h"

namespace tessaro {

AboutDialog::AboutDialog(QWidget* parent) : TemplateDialog(templates::about(), parent) {}

}  // namespace tessaro
