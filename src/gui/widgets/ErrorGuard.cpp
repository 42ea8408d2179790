#include "gui/widgets/ErrorGuard.h"

#include "gui/widgets/DialogSeam.h"

QString ErrorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
  return message;
}

void ShowErrorBox(QWidget* parent, const QString& message) {
  seam::ShowMessage(parent, seam::Message{seam::ApplicationTitle(), ErrorBoxText(message), seam::MessageKind::Error});
}
