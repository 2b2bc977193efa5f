// The platform interfaces as Qt provides them: message boxes, file dialogs, the desktop's opener.
#pragma once

#include "game/core/platform.h"

#include <QLocale>

class QFileDialog;
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

// File dialogs offering "Лабиринт (*.lbr)", or the request's own filter. They neither ask before replacing a file nor insist
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

// Makes Qt's own parts speak the interface's language whatever LANG says: the default locale
// (sizes, dates, the file dialogs' columns) and Qt's own texts (file dialogs, the Yes and No of a
// question), loaded into translator and installed. False when Qt's translations for the language
// are not installed: its texts stay English, the locale is set all the same.
bool speakInterfaceLanguage(QLocale::Language language, QTranslator& qtTexts);

// Qt's own file dialog as the game shows it, in the interface's language and wide enough to
// read its columns of names, sizes, kinds and dates.
void prepareFileDialog(QFileDialog& dialog);

class QtDocumentOpener : public DocumentOpener {
public:
  bool open(const std::string& pathOrAddress) override;
};

} // namespace kvarnel
