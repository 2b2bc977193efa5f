// Shows a window modally. The game runs dialogs through this, so tests can script them.
#pragma once

class QDialog;

namespace kvarnel {

class ModalRunner {
public:
  virtual ~ModalRunner() = default;
  // Returns when the dialog has been closed or hidden.
  virtual void run(QDialog& dialog) = 0;
};

class ExecModalRunner : public ModalRunner {
public:
  void run(QDialog& dialog) override;
};

} // namespace kvarnel
