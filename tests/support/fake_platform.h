// Scripted stand-ins for the clock, message boxes, file dialogs and the document opener.
#pragma once

#include "game/core/clock.h"
#include "game/core/platform.h"

#include <deque>
#include <string>
#include <vector>

namespace kvarnel::testing {

class FakeClock : public Clock {
public:
  double seconds = 45296.17; // 12:34:56.17
  std::deque<double> randoms;
  double steady = 1000.0; // moved on by the tests
  CalendarDate date{2025, 3, 14};
  double secondsSinceMidnight() override { return seconds; }
  double steadySeconds() override { return steady; }
  CalendarDate today() override { return date; }
  double random() override {
    if (randoms.empty()) return 0.5;
    const double r = randoms.front();
    randoms.pop_front();
    return r;
  }
};

struct ShownMessage {
  std::string text;
  MessageIcon icon;
  MessageButtons buttons;
  MessageAnswer defaultAnswer;
};

// Records every message; answers Yes/No questions from a script, and with the default when
// the script is empty.
class FakeMessageBoxes : public MessageBoxes {
public:
  std::vector<ShownMessage> shown;
  std::deque<MessageAnswer> answers;
  MessageAnswer show(const std::string& text, MessageIcon icon, MessageButtons buttons,
                     MessageAnswer defaultAnswer) override {
    shown.push_back({text, icon, buttons, defaultAnswer});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return defaultAnswer;
    const MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
};

// Answers each dialog with the next scripted path; nothing (cancel) when the script is empty.
class FakeFileDialogs : public FileDialogs {
public:
  std::vector<FileDialogRequest> openRequests, saveRequests;
  std::deque<std::optional<std::string>> openAnswers, saveAnswers;
  std::optional<std::string> askOpen(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return next(openAnswers);
  }
  std::optional<std::string> askSave(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return next(saveAnswers);
  }

private:
  static std::optional<std::string> next(std::deque<std::optional<std::string>>& answers) {
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};

class FakeDocumentOpener : public DocumentOpener {
public:
  std::vector<std::string> opened;
  bool succeed = true;
  bool open(const std::string& pathOrAddress) override {
    opened.push_back(pathOrAddress);
    return succeed;
  }
};

} // namespace kvarnel::testing
