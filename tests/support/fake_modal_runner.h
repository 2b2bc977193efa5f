// Runs modal windows in tests: records each and hands it to a script instead of blocking.
#pragma once

#include "front/dialogs/modal_runner.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

namespace kvarnel::testing {

class FakeModalRunner : public ModalRunner {
public:
  std::vector<std::string> shown; // objectNames, in order
  // Acts on the shown dialog as a player would; by default the dialog is left as it is.
  std::function<void(QDialog&)> script;
  void run(QDialog& dialog) override {
    shown.push_back(dialog.objectName().toStdString());
    dialog.show();
    if (script) script(dialog);
    dialog.hide();
  }
};

} // namespace kvarnel::testing
