// The platform interfaces as Qt provides them: message boxes, file dialogs, the desktop's opener.
#pragma once

#include "game/core/platform.h"

class QTranslator;
class QWidget;

namespace kvarnel {

class QtMessageBoxes : public MessageBoxes {
public:
  explicit QtMessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }
  MessageAnswer show(const std::string& text, MessageIcon icon, MessageButtons buttons,
                     MessageAnswer defaultAnswer) override;

private:
  QWidget* owner_;
};

// File dialogs offering "Лабиринт (*.lbr)". They neither ask before replacing a file nor insist
// that it exists: the game's own flow does both.
class QtFileDialogs : public FileDialogs {
public:
  explicit QtFileDialogs(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }
  std::optional<std::string> askOpen(const FileDialogRequest& request) override;
  std::optional<std::string> askSave(const FileDialogRequest& request) override;

private:
  std::optional<std::string> ask(bool save, const FileDialogRequest& request);
  QWidget* owner_;
};

// Loads Qt's own Russian texts (file dialogs, the Yes and No of a question) into translator and
// installs it; false, changing nothing, when Qt's translations are not installed.
bool installQtTranslation(QTranslator& translator);

class QtDocumentOpener : public DocumentOpener {
public:
  bool open(const std::string& pathOrAddress) override;
};

} // namespace kvarnel
