// The message boxes of the program behind one small interface, so that windows can be driven by
// tests without a person to press the buttons. Texts are UTF-8.
#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

namespace tarnel {

class UserMessages {
 public:
  virtual ~UserMessages() = default;
  virtual void Inform(QWidget* parent, const QString& text) = 0;
  virtual void Warn(QWidget* parent, const QString& text) = 0;
  virtual void Error(QWidget* parent, const QString& text) = 0;
  // Yes and No; true on Yes.
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
};

// Modal message boxes with the application's title.
class MessageBoxes : public UserMessages {
 public:
  void Inform(QWidget* parent, const QString& text) override;
  void Warn(QWidget* parent, const QString& text) override;
  void Error(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
};

// Remembers what was shown and answers confirmations from a queue (No when it runs dry).
class RecordedMessages : public UserMessages {
 public:
  struct Shown {
    char Kind;  // 'i', 'w', 'e' or 'c'
    QString Text;
  };
  void Inform(QWidget*, const QString& text) override { shown.push_back({'i', text}); }
  void Warn(QWidget*, const QString& text) override { shown.push_back({'w', text}); }
  void Error(QWidget*, const QString& text) override { shown.push_back({'e', text}); }
  bool Confirm(QWidget*, const QString& text) override {
    shown.push_back({'c', text});
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  std::vector<Shown> shown;
  std::vector<bool> answers;
};

}  // namespace tarnel
