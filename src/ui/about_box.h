#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <memory>

namespace Ui {
class AboutBox;
}

namespace zirdan {

class TTranslationFile;

// The about box: product, version, what the program is for and where to reach its
// authors. The same window is the splash shown while the program starts.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  ~TAboutBox() override;

  // Height of the box as the start-up splash (the OK button lies below it) and as the
  // about box.
  static constexpr int kSplashHeight = 245;
  static constexpr int kAboutHeight = 280;

  // Shows the box without its button and without waiting, drawn at once.
  void ShowAsSplash();
  void HideSplash();
  // The texts of the chosen language and the proportional font, then the box, modally.
  void ShowAbout(const TTranslationFile& file, int language, const QString& fontFamily,
                 int fontSize);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplyFonts(const QString& family, int size);

  std::unique_ptr<Ui::AboutBox> m_ui;
  // The address label opened last and when, so that a double click opens it once.
  QObject* m_lastOpened = nullptr;
  QElapsedTimer m_sinceOpened;
};

}  // namespace zirdan
