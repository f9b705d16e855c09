#include "ui/form_hlaska.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

#include "adapters/qt_text.h"
#include "core/win1250.h"
#include "env/failure_text.h"
#include "ui_form_hlaska.h"

namespace zirdan {
namespace {

// The window's layout around the text, in pixels: the pictures each side of it, the
// space above it, and the bar and button row below it.
constexpr int kSide = 56;
constexpr int kPictureGap = 7;
constexpr int kTop = 8;
constexpr int kBelowText = 53;
constexpr int kTitleBar = 40;  // room for the frame the window system adds
constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 27;
// The smallest text area, that of the window's design.
constexpr int kMinTextWidth = 288;
constexpr int kMinTextHeight = 89;

AppMessageAnswers& Answers() {
  static AppMessageAnswers answers;
  return answers;
}

}  // namespace

TFormHlaska::TFormHlaska(QWidget* parent) : QDialog(parent), m_ui(new Ui::FormHlaska) {
  m_ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  // The text is shown as it is (a file name may hold "<"), in an area that scrolls when
  // the text is larger than the screen.
  m_ui->LabelCo->setTextFormat(Qt::PlainText);
  m_ui->LabelCo->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_textArea = new QScrollArea(this);
  m_textArea->setObjectName("LabelCoArea");
  m_textArea->setFrameShape(QFrame::NoFrame);
  m_textArea->setAlignment(Qt::AlignCenter);
  m_textArea->setFocusPolicy(Qt::NoFocus);
  m_textArea->setWidget(m_ui->LabelCo);
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
  FitToText();
  QPushButton* byDefault = question ? m_ui->ButtonAno : m_ui->ButtonOk;
  byDefault->setDefault(true);
  byDefault->setFocus();
  (question ? m_ui->ButtonOk : m_ui->ButtonAno)->setDefault(false);
}

void TFormHlaska::FitToText() {
  QLabel& label = *m_ui->LabelCo;
  const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect available = shown ? shown->availableGeometry() : QRect(0, 0, 1024, 768);
  // The window keeps a tenth of the screen free, and room for its frame.
  const int maxWidth = std::max(kMinTextWidth, available.width() * 9 / 10 - 2 * kSide);
  const int maxHeight =
      std::max(kMinTextHeight, available.height() * 9 / 10 - kBelowText - kTop - kTitleBar);

  // The text's own width, its lines wrapped at the widest the screen allows; a word wider
  // than that (a long path) keeps its width and the area scrolls across.
  const QFontMetrics metrics(label.font());
  const QRect natural = metrics.boundingRect(QRect(0, 0, maxWidth, 1 << 20),
                                             Qt::AlignCenter | Qt::TextWordWrap, label.text());
  const int margins = 2 * label.margin() + 4;
  const int labelWidth = std::max(kMinTextWidth, natural.width() + margins);
  const int labelHeight = std::max(kMinTextHeight, label.heightForWidth(labelWidth));
  label.resize(labelWidth, labelHeight);

  int areaWidth = std::min(labelWidth, maxWidth);
  int areaHeight = std::min(labelHeight, maxHeight);
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  if (labelWidth > areaWidth) areaHeight = std::min(areaHeight + bar, maxHeight + bar);
  if (labelHeight > areaHeight) areaWidth = std::min(areaWidth + bar, maxWidth + bar);
  m_textArea->setGeometry(kSide, kTop, areaWidth, areaHeight);

  const int width = areaWidth + 2 * kSide;
  const int right = kSide + areaWidth + kPictureGap;
  m_ui->ImageOt2->move(right, m_ui->ImageOt2->y());
  m_ui->ImageVyk2->move(right, m_ui->ImageVyk2->y());
  m_ui->GaugeHlaska->setGeometry(kSide, kTop + areaHeight + 3, areaWidth, 8);
  const int buttons = kTop + areaHeight + 17;
  const int centre = width / 2;
  m_ui->ButtonOk->setGeometry(centre - kButtonWidth / 2, buttons, kButtonWidth, kButtonHeight);
  m_ui->ButtonAno->setGeometry(centre - 112, buttons, kButtonWidth, kButtonHeight);
  m_ui->ButtonNe->setGeometry(centre + 24, buttons, kButtonWidth, kButtonHeight);
  setFixedSize(width, kTop + areaHeight + kBelowText);
  move(available.center() - rect().center());
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
