// The push buttons of the game's dialogs, named and placed as designed.
#pragma once

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace kvarnel {

// Whether Enter presses the button wherever the focus is in its dialog.
enum class EnterPresses { No, Yes };

// A button of the dialog at `at`, found by its objectName `name`. A button that Enter does not
// press is no default of any kind: Enter in the dialog presses nothing but the one that says so.
QPushButton* dialogButton(QWidget* dialog, const char* name, const QString& text, const QRect& at,
                          EnterPresses enter = EnterPresses::No);

} // namespace kvarnel
