// TFormWait: "Please, wait..." while the server listens for its peer or the client connects and
// greets. The link code tells it how far the connection got; Cancel hands the socket back.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

namespace tarnel {

class TQelCardsButton;

class TFormWait : public QDialog {
  Q_OBJECT
 public:
  struct Hooks {
    // True while a client has not completed its greeting (also after a socket error).
    std::function<bool()> ClientWaiting;
    // Cancel: deactivate the role's socket and drop the link state.
    std::function<void()> Cancelled;
  };

  TFormWait(int role, int languageIndex, Hooks hooks, QWidget* parent = nullptr);

  // Server: a client greeted; OK may start the game and Cancel no longer applies.
  void PeerGreeted();
  // Client: the server answered the greeting; both dialogs close with success.
  void GreetingCompleted();

  QLabel* FirstLine() const { return first_; }
  QLabel* SecondLine() const { return second_; }
  QPushButton* OkButton() const;
  QPushButton* CancelButton() const;
  // One run of the 1000 ms timer.
  void Timer1Timer();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void reject() override;

 private:
  int language_;
  Hooks hooks_;
  QLabel* first_ = nullptr;
  QLabel* second_ = nullptr;
  QLabel* third_ = nullptr;
  QLabel* fourth_ = nullptr;
  TQelCardsButton* ok_ = nullptr;
  TQelCardsButton* cancel_ = nullptr;
  QTimer* timer1_ = nullptr;
  QTimer* animation_ = nullptr;
  int frame_ = 0;
};

}  // namespace tarnel
