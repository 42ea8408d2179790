#pragma once
// Controls of a form file found by the names the core's field tables give.
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>

// The control of that name and class under `form`; a form without it is a
// fault of the program, not of the user.
template <typename Control>
Control* FormControl(QWidget* form, std::string_view name) {
  const QString objectName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  auto* control = form->findChild<Control*>(objectName);
  if (!control) throw std::logic_error("the form lacks the control " + std::string(name));
  return control;
}
