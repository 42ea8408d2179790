#include "gui/widgets/ErrorGuard.h"

#include <QWidget>

#include "gui/widgets/DialogSeam.h"

QString ErrorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
  return message;
}

void ShowErrorBox(QWidget* parent, const QString& message) {
  seam::ShowMessage(parent, seam::Message{seam::ApplicationTitle(), ErrorBoxText(message), seam::MessageKind::Error});
}

QWidget* ErrorBoxParent(QObject* context) {
  for (QObject* o = context; o; o = o->parent()) {
    if (o->isWidgetType()) return static_cast<QWidget*>(o);
  }
  return nullptr;
}
