// Qt's own texts (standard buttons and dialogs) follow the editor's language.
#include "adapters/qt_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include "env/language_load.h"
#include "support/qt_application.h"

namespace zirdan {
namespace {

static const bool kApp = test::UseQtApplication<QApplication>();

QString CancelText() {
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  return box.button(QDialogButtonBox::Cancel)->text().remove('&');
}

TEST(QtTranslation, CzechTranslatesTheStandardButtonsAndEnglishTakesItBack) {
  ASSERT_TRUE(InstallQtTranslation("cs"));
  EXPECT_EQ(CancelText(), QString::fromUtf8("Zrušit"));
  InstallQtTranslation("en");
  EXPECT_EQ(CancelText(), "Cancel");
  EXPECT_FALSE(InstallQtTranslation("xx"));  // no such catalogue: Qt's own English
  EXPECT_EQ(CancelText(), "Cancel");
}

TEST(QtTranslation, TheLanguageFileNamesTheCatalogueOfEachLanguage) {
  const TTranslationFile file =
      TTranslationFile::Parse("[Language]\nEnglish=\nCzech=\nDeutsch=\n[Strings3]\nQtJazyk=de\n");
  EXPECT_EQ(QtTranslationCode(file, 1), "en");
  EXPECT_EQ(QtTranslationCode(file, 2), "cs");
  EXPECT_EQ(QtTranslationCode(file, 3), "de");
  ASSERT_TRUE(InstallQtTranslation(QtTranslationCode(file, 3)));
  EXPECT_EQ(CancelText(), "Abbrechen");
  InstallQtTranslation("en");
}

}  // namespace
}  // namespace zirdan
