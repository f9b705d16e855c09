#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

#include "core/message_table.h"
#include "core/op_result.h"
#include "env/language_load.h"

class QScrollArea;

namespace Ui {
class FormHlaska;
}

namespace zirdan {

// Message kinds and the button results of the message box.
enum class MessageKind { Question = 0, Warning = 1, Error = 2, Information = 3 };
inline constexpr int kResultOk = 1;
// A question closed with its window button: the command that asked is cancelled.
inline constexpr int kResultCancel = 2;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

// What Esc does in a question: nothing (the box has no cancel button), or answer it as
// closed, for the questions whose safe answer is to leave things as they are.
enum class EscapeKey { Ignored, Cancels };

// The application's one message box: a text, a kind caption, and Yes/No or OK.
class TFormHlaska : public QDialog {
  Q_OBJECT

 public:
  explicit TFormHlaska(QWidget* parent = nullptr);
  ~TFormHlaska() override;

  // Shows the text as the given kind and returns 6 (yes), 7 (no), 1 (OK), or 2 when a
  // question was closed without an answer.
  int Show(const QString& text, MessageKind kind, EscapeKey escape = EscapeKey::Ignored);
  // The captions of the four kinds and the three buttons.
  void SetTexts(const TMessageBoxTexts& texts);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Prepare(const QString& text, MessageKind kind);
  // Sizes the window to its text, up to the screen; a longer text scrolls.
  void FitToText();

  std::unique_ptr<Ui::FormHlaska> m_ui;
  QScrollArea* m_textArea = nullptr;  // holds LabelCo
  TMessageBoxTexts m_texts;
  int m_result = kResultOk;
  EscapeKey m_escape = EscapeKey::Ignored;
};

// Shows a message through the application's message box. Tests replace the answers with
// SetAppMessageAnswers, so that a whole command flow runs without a person.
int ShowAppMessage(const QString& text, MessageKind kind, EscapeKey escape = EscapeKey::Ignored);
// Windows-1250 text.
int ShowAppMessage(const std::string& text, MessageKind kind);
// Shows a failed operation as an error, in the words FailureText gives it.
void ShowFailure(const OpResult& failure, const TMessageTable& messages);

using AppMessageAnswers = std::function<int(const QString& text, MessageKind kind)>;
void SetAppMessageAnswers(AppMessageAnswers answers);
// The message box the application shows (created on first use).
TFormHlaska& AppMessageBox();

}  // namespace zirdan
