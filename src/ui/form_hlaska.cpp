#include "ui/form_hlaska.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>

#include "core/win1250.h"
#include "env/failure_text.h"
#include "adapters/qt_text.h"
#include "ui_form_hlaska.h"

namespace zirdan {
namespace {

AppMessageAnswers& Answers() {
  static AppMessageAnswers answers;
  return answers;
}

}  // namespace

TFormHlaska::TFormHlaska(QWidget* parent) : QDialog(parent), m_ui(new Ui::FormHlaska) {
  m_ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(size());
  const QIcon question = style()->standardIcon(QStyle::SP_MessageBoxQuestion);
  const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  m_ui->ImageOt1->setPixmap(question.pixmap(32));
  m_ui->ImageOt2->setPixmap(question.pixmap(32));
  m_ui->ImageVyk1->setPixmap(warning.pixmap(32));
  m_ui->ImageVyk2->setPixmap(warning.pixmap(32));

  connect(m_ui->ButtonAno, &QPushButton::clicked, this, [this] { done(kResultYes); });
  connect(m_ui->ButtonNe, &QPushButton::clicked, this, [this] { done(kResultNo); });
  connect(m_ui->ButtonOk, &QPushButton::clicked, this, [this] { done(kResultOk); });
}

TFormHlaska::~TFormHlaska() = default;

void TFormHlaska::SetTexts(const TMessageBoxTexts& texts) {
  m_texts = texts;
  m_ui->ButtonAno->setText(FromWin1250(texts.bAno));
  m_ui->ButtonNe->setText(FromWin1250(texts.bNe));
  m_ui->ButtonOk->setText(FromWin1250(texts.bOk));
}

void TFormHlaska::Prepare(const QString& text, MessageKind kind) {
  m_ui->LabelCo->setText(text);
  const bool question = kind == MessageKind::Question;
  const bool alarm = kind == MessageKind::Warning || kind == MessageKind::Error;
  switch (kind) {
    case MessageKind::Question:
      setWindowTitle(FromWin1250(m_texts.oOtazka));
      break;
    case MessageKind::Warning:
      setWindowTitle(FromWin1250(m_texts.oVystraha));
      break;
    case MessageKind::Error:
      setWindowTitle(FromWin1250(m_texts.oChyba));
      break;
    case MessageKind::Information:
      setWindowTitle(FromWin1250(m_texts.oInformace));
      break;
  }
  m_ui->ButtonOk->setVisible(!question);
  m_ui->ButtonAno->setVisible(question);
  m_ui->ButtonNe->setVisible(question);
  m_ui->ImageOt1->setVisible(question);
  m_ui->ImageOt2->setVisible(question);
  m_ui->ImageVyk1->setVisible(alarm);
  m_ui->ImageVyk2->setVisible(alarm);
  m_ui->GaugeHlaska->setVisible(false);
  QPushButton* byDefault = question ? m_ui->ButtonAno : m_ui->ButtonOk;
  byDefault->setDefault(true);
  byDefault->setFocus();
  (question ? m_ui->ButtonOk : m_ui->ButtonAno)->setDefault(false);
}

int TFormHlaska::Show(const QString& text, MessageKind kind, EscapeKey escape) {
  Prepare(text, kind);
  m_escape = escape;
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  const int result = exec();
  // A box closed by the window manager answers nothing: a question is cancelled (read as
  // "no", a closed "save the changes?" would throw the changes away).
  if (result == QDialog::Rejected) return kind == MessageKind::Question ? kResultCancel : kResultOk;
  return result;
}

void TFormHlaska::keyPressEvent(QKeyEvent* event) {
  // There is no cancel button: Esc does not close the box, except where it cancels.
  if (event->key() == Qt::Key_Escape && m_escape == EscapeKey::Ignored) return;
  QDialog::keyPressEvent(event);
}

TFormHlaska& AppMessageBox() {
  static TFormHlaska* box = new TFormHlaska(nullptr);  // lives as long as the application
  return *box;
}

void SetAppMessageAnswers(AppMessageAnswers answers) {
  Answers() = std::move(answers);
}

int ShowAppMessage(const QString& text, MessageKind kind, EscapeKey escape) {
  if (Answers()) {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    return Answers()(text, kind);
  }
  return AppMessageBox().Show(text, kind, escape);
}

int ShowAppMessage(const std::string& text, MessageKind kind) {
  return ShowAppMessage(FromWin1250(text), kind);
}

void ShowFailure(const OpResult& failure, const TMessageTable& messages) {
  ShowAppMessage(QString::fromStdString(FailureText(failure, messages)), MessageKind::Error);
}

}  // namespace zirdan
