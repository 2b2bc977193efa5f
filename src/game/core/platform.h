// The outside world as the game's flows see it: message boxes, file dialogs and the
// associated program for documents and addresses. Qt implements these in the windows;
// tests script them.
#pragma once

#include <optional>
#include <string>

namespace kvarnel {

enum class MessageIcon { Stop, Exclamation };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Message boxes, always captioned "Кварнель".
class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  virtual MessageAnswer show(const std::string& text, MessageIcon icon, MessageButtons buttons,
                             MessageAnswer defaultAnswer) = 0;
  void stop(const std::string& text) {
    show(text, MessageIcon::Stop, MessageButtons::Ok, MessageAnswer::Ok);
  }
};

struct FileDialogRequest {
  std::string startFolder;
  std::string proposedName; // file name offered in the name field, may be empty
  std::string filter;       // the kinds of file offered, as "Name (*.a *.b)"; empty: maze files
};

// The open and save file dialogs; nothing when the player cancels.
class FileDialogs {
public:
  virtual ~FileDialogs() = default;
  virtual std::optional<std::string> askOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> askSave(const FileDialogRequest& request) = 0;
};

// Opens a document or a web address in the program associated with it.
class DocumentOpener {
public:
  virtual ~DocumentOpener() = default;
  virtual bool open(const std::string& pathOrAddress) = 0;
};

} // namespace kvarnel

#include "game/core/clock.h"

namespace kvarnel {

// Everything outside the game that its flows talk to.
struct Services {
  MessageBoxes& messages;
  FileDialogs& fileDialogs;
  DocumentOpener& documents;
  Clock& clock;
};

} // namespace kvarnel
