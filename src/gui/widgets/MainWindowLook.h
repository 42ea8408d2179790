#pragma once
// Fonts, sizes and the open dialog's filter shared by the program's windows.
#include <QFont>
#include <QString>

class QWidget;
class QMainWindow;

constexpr int kClientWidth = 786;
constexpr int kClientHeight = 479;

// SimSun at 12 pixels, or a Song-style CJK font where the system lacks it.
QFont MainWindowFont(int pixelSize = 12);

// Fixes the window so that its client area (below the menu bar) has the
// given size, and centres it on the desktop.
void FixClientSize(QMainWindow* window, int width, int height);
// Centres the window on the screen of its parent, or on its own screen
// when it has no parent.
void CentreOnScreen(QWidget* window);

// The open dialog lists only the registration file, in any letter case
// (a Wine prefix may hold tperson.vmr).
QString OfficerFileFilter();
