// The desktop commands of the main window: the ".LOG" registration, the about box and the
// dive-site status report, driven as a user would.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "support/form_main_harness.h"
#include "support/qt_application.h"
#include "ui/about_box.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::Find;
using test::ModalAnswer;

// Takes the addresses the program hands to the browser or the mail program.
class OpenedUrls : public QObject {
  Q_OBJECT

 public:
  OpenedUrls() {
    for (const char* scheme : {"https", "mailto"})
      QDesktopServices::setUrlHandler(scheme, this, "Open");
  }
  ~OpenedUrls() override {
    for (const char* scheme : {"https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
  }
  QStringList urls;

 public Q_SLOTS:
  void Open(const QUrl& url) { urls << QString::fromUtf8(url.toEncoded()); }
};

class DesktopCommandsTest : public test::FormMainGuiTest {
 protected:
  void SetUp() override {
    FormMainGuiTest::SetUp();
    std::string ini = test::kLanguageIni;
    ini.insert(ini.find("[Strings2]\n") + 11,
               "StrRegistLog1=Register .LOG?\nStrRegistLog2=They will open here.\n"
               "StrRegistLog3=Registered.\nStrChRegistLog=Not registered.\n");
    test::WriteFileBytes(m_languageFile, ini);
    // The registration and the desktop tools write only into the scratch folder.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(m_folder.File("data")));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_folder.File("config")));
  }
  void TearDown() override {
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    FormMainGuiTest::TearDown();
  }
  bool Registered() const {
    return !test::ReadFileBytes(m_folder.File("data/applications/cz.brandivo.zirdanlog.desktop")).empty();
  }
};

TEST_F(DesktopCommandsTest, RegistrationAsksFirstThenRegistersAndSaysSoEachTime) {
  auto window = Start();
  m_answers = {kResultNo};
  Trigger(*window, "Registraceppony1");
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].text, "Register .LOG?\nThey will open here.");
  EXPECT_FALSE(Registered());

  for (int time = 1; time <= 2; ++time) {
    m_shown.clear();
    m_answers = {kResultYes};
    Trigger(*window, "Registraceppony1");
    ASSERT_EQ(m_shown.size(), 2u) << "time " << time;
    EXPECT_EQ(m_shown[1].text, "Registered.");
    EXPECT_EQ(m_shown[1].kind, MessageKind::Information);
    EXPECT_TRUE(Registered());
  }
}

TEST_F(DesktopCommandsTest, RegistrationThatCannotWriteShowsTheError) {
  test::WriteFileBytes(m_folder.File("data"), "a file where the data folder should be");
  auto window = Start();
  m_answers = {kResultYes};
  Trigger(*window, "Registraceppony1");
  ASSERT_EQ(m_shown.size(), 2u);
  EXPECT_TRUE(m_shown[1].text.startsWith("Not registered.")) << m_shown[1].text.toStdString();
  EXPECT_EQ(m_shown[1].kind, MessageKind::Error);
}

TEST_F(DesktopCommandsTest, StatusReportOpensTheFormWithTheShownDiveAsEdited) {
  m_store.Set("zaklad", "StatusReportAddress", "https://example.org/lokality/lokstfrm.asp");
  OpenedUrls opened;
  {
    auto empty = Start();
    Trigger(*empty, "Hlasenistavu1");  // no logbook: nothing happens
    EXPECT_TRUE(opened.urls.isEmpty());
  }
  auto window = StartWithLogbook();
  TypeOver(Find<QLineEdit>(*window, "EditLokalita"), "Lom & Jezero");
  Trigger(*window, "Hlasenistavu1");
  ASSERT_EQ(opened.urls.size(), 1);
  EXPECT_TRUE(opened.urls[0].startsWith(
      "https://example.org/lokality/lokstfrm.asp?nazev=Lom+%26+Jezero&dat="))
      << opened.urls[0].toStdString();
  // Qt hands escapes on in capitals, which web servers read as the same bytes.
  EXPECT_TRUE(
      opened.urls[0].contains("&hod=0&pzn=Ponor+%e8%edslo+5%2c+vrak+v+25+m", Qt::CaseInsensitive))
      << opened.urls[0].toStdString();
}

TEST_F(DesktopCommandsTest, AboutBoxShowsTheProductAndOpensItsAddresses) {
  auto window = Start();
  OpenedUrls opened;
  ModalAnswer answer([&](QDialog& box) {
    EXPECT_EQ(Find<QLabel>(box, "ProductName")->text(), "Zirdan LOG Editor");
    EXPECT_EQ(Find<QLabel>(box, "FileVersion")->text(), ZIRDAN_VERSION);
    EXPECT_EQ(box.height(), TAboutBox::kAboutHeight);
    QLabel* mail = Find<QLabel>(box, "EMailAdresa");
    QTest::mouseClick(mail, Qt::LeftButton);
    QTest::mouseDClick(Find<QLabel>(box, "HTTPAdresa"), Qt::LeftButton);
    QTest::mouseRelease(Find<QLabel>(box, "HTTPAdresa"), Qt::LeftButton);
    EXPECT_EQ(opened.urls,
              QStringList({"mailto:" + mail->text(), Find<QLabel>(box, "HTTPAdresa")->text()}));
    if (qEnvironmentVariableIsSet("ZIRDAN_SCREENSHOTS")) test::SaveScreenshot(box, "about_box");
    QTest::mouseClick(Find<QPushButton>(box, "ButtonOk"), Qt::LeftButton);
  });
  Trigger(*window, "Autor1");
}

TEST_F(DesktopCommandsTest, SplashIsTheAboutBoxWithoutItsButton) {
  TAboutBox splash;
  splash.ShowAsSplash();
  EXPECT_EQ(splash.height(), TAboutBox::kSplashHeight);
  const QPushButton* ok = Find<QPushButton>(splash, "ButtonOk");
  EXPECT_GE(ok->geometry().top(), TAboutBox::kSplashHeight);
  if (qEnvironmentVariableIsSet("ZIRDAN_SCREENSHOTS")) test::SaveScreenshot(splash, "splash");
  splash.HideSplash();
  EXPECT_FALSE(splash.isVisible());
  EXPECT_EQ(splash.height(), TAboutBox::kAboutHeight);
}

}  // namespace
}  // namespace zirdan

#include "form_main_desktop_gui_test.moc"
