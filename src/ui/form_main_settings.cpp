// The settings menu and the language load of the main window.
#include <QApplication>
#include <QComboBox>

#include "adapters/qt_serial_port_source.h"
#include "adapters/qt_text.h"
#include "adapters/qt_translate_window.h"
#include "adapters/qt_translations.h"
#include "ui/dialog_aktivita.h"
#include "ui/dialog_chyby.h"
#include "ui/dialog_tisk.h"
#include "ui/dialog_typ.h"
#include "ui/form_cislo.h"
#include "ui/form_hlaska.h"
#include "ui/form_hledat.h"
#include "ui/form_hodnota.h"
#include "ui/form_info.h"
#include "ui/form_jazyk.h"
#include "ui/form_main.h"
#include "ui/form_prehled.h"
#include "ui/form_prenos.h"
#include "ui/form_prubeh.h"
#include "ui/form_query.h"
#include "ui/form_statistika.h"
#include "ui/form_vyber.h"
#include "ui/font_choice.h"
#include "ui/text_file_dialog.h"
#include "ui_form_main.h"

namespace zirdan {

void TFormMain::ConnectSettingsMenu() {
  connect(m_ui->Jazyk1, &QAction::triggered, this, &TFormMain::LanguageCommand);
  connect(m_ui->ZirdanNitrox1, &QAction::triggered, this, [this] {
    m_model->ToggleNitrox();
    ApplySettingsToMenu();
    FillFields();
  });
  connect(m_ui->ZirdanOxy1, &QAction::triggered, this, [this] {
    m_model->ToggleOxy();
    ApplySettingsToMenu();
    FillFields();
  });
  connect(m_ui->mingrf, &QAction::triggered, this, [this] {
    NumberSetting("StrMinGrf", Text("StrZadejteMinGrf"), m_settings.PocetMinutMeziGrafy, 0, 60,
                  m_ui->mingrf);
  });
  connect(m_ui->PocPon, &QAction::triggered, this, [this] {
    NumberSetting("StrPocPon", Text("StrZadejtePocPon"), m_settings.PocetPonoruProSoucet, 2, 50,
                  m_ui->PocPon);
  });
  connect(m_ui->Levokrajtisku1, &QAction::triggered, this, [this] {
    NumberSetting("StrLevyOkraj", MarginPrompt("StrZadejteLevyOkraj"), m_settings.LevyOkraj, 0,
                  9999, m_ui->Levokrajtisku1);
  });
  connect(m_ui->Pravokrajtisku1, &QAction::triggered, this, [this] {
    NumberSetting("StrPravyOkraj", MarginPrompt("StrZadejtePravyOkraj"), m_settings.PravyOkraj, 0,
                  9999, m_ui->Pravokrajtisku1);
  });
  connect(m_ui->Vechnyokrajetisku1, &QAction::triggered, this, [this] {
    NumberSetting("StrVsechnyOkraje", MarginPrompt("StrZadejteVsechnyOkraje"),
                  m_settings.VsechnyOkraje, 0, 9999, m_ui->Vechnyokrajetisku1);
  });
  connect(m_ui->ItemPFont, &QAction::triggered, this, [this] { FontSetting(true); });
  connect(m_ui->ItemNPFont, &QAction::triggered, this, [this] { FontSetting(false); });

  // Check items simply follow their check mark into the settings.
  const std::pair<QAction*, bool*> toggles[] = {
      {m_ui->Pouvatdlkuponoruzgrafu1, &m_settings.CasZGrafu},
      {m_ui->Kompatibilnformtaktivity1, &m_settings.KompatibilniAktivity},
      {m_ui->Natatjennovponory1, &m_settings.JenNovePonory},
      {m_ui->Zobrazovatinfo1, &m_settings.ZobrazovatInfo},
      {m_ui->TiskA4oboustran1, &m_settings.Oboustranne},
      {m_ui->Tisknoutbarevn1, &m_settings.Barevne}};
  for (auto [item, value] : toggles)
    connect(item, &QAction::toggled, this, [setting = value](bool on) { *setting = on; });

  for (int n = 0; n < kPortCount; ++n)
    connect(m_portItems[n], &QAction::triggered, this, [this, n] {
      m_settings.PortChecked = n + 1;
      m_settings.PortDevice.clear();
      ApplySettingsToMenu();
    });
  connect(m_ui->Interfacejenaportu1, &QMenu::aboutToShow, this, &TFormMain::FillSystemPortItems);
  const std::pair<QAction*, OutputEncodingSettings> encodings[] = {
      {m_ui->TiskveWindows12501, {true, false, false, false}},
      {m_ui->TiskvKamenickch1, {false, true, false, false}},
      {m_ui->TiskvLatin21, {false, false, true, false}},
      {m_ui->TiskvAscii1, {false, false, false, true}}};
  for (auto [item, choice] : encodings)
    connect(item, &QAction::triggered, this, [this, encoding = choice] {
      m_settings.Kodovani = encoding;
      ApplySettingsToMenu();
    });
}

void TFormMain::ApplySettingsToMenu() {
  m_ui->Pouvatdlkuponoruzgrafu1->setChecked(m_settings.CasZGrafu);
  m_ui->Kompatibilnformtaktivity1->setChecked(m_settings.KompatibilniAktivity);
  m_ui->ZirdanNitrox1->setChecked(m_settings.ZirdanNitrox);
  m_ui->ZirdanOxy1->setChecked(m_settings.ZirdanOxy);
  m_ui->TiskA4oboustran1->setChecked(m_settings.Oboustranne);
  m_ui->Tisknoutbarevn1->setChecked(m_settings.Barevne);
  m_ui->Natatjennovponory1->setChecked(m_settings.JenNovePonory);
  m_ui->Zobrazovatinfo1->setChecked(m_settings.ZobrazovatInfo);
  for (int n = 0; n < kPortCount; ++n)
    m_portItems[n]->setChecked(m_settings.PortDevice.empty() && m_settings.PortChecked == n + 1);
  for (QAction* item : m_systemPortItems)
    item->setChecked(!m_settings.PortDevice.empty() &&
                     item->data().toString().toStdString() == m_settings.PortDevice);
  m_ui->TiskveWindows12501->setChecked(m_settings.Kodovani.KodovaniWindows);
  m_ui->TiskvKamenickch1->setChecked(m_settings.Kodovani.KodovaniKamenicky);
  m_ui->TiskvLatin21->setChecked(m_settings.Kodovani.KodovaniLatin2);
  m_ui->TiskvAscii1->setChecked(m_settings.Kodovani.KodovaniAscii);
}

void TFormMain::FillSystemPortItems() {
  qDeleteAll(m_systemPortItems);
  m_systemPortItems.clear();
  const std::vector<PortListEntry> ports =
      SystemPortList(QtSerialPortSource(), m_settings.PortDevice);
  if (ports.empty()) return;
  m_systemPortItems.append(m_ui->Interfacejenaportu1->addSeparator());
  for (const PortListEntry& port : ports) {
    QString text = QString::fromStdString(port.Text);
    if (!port.Present) text += " " + Text("StrPortNepripojen");
    QAction* item = m_ui->Interfacejenaportu1->addAction(text);
    item->setCheckable(true);
    item->setData(QString::fromStdString(port.Device));
    connect(item, &QAction::triggered, this, [this, device = port.Device] {
      m_settings.PortDevice = device;
      ApplySettingsToMenu();
    });
    m_systemPortItems.append(item);
  }
  ApplySettingsToMenu();
}

QString TFormMain::MarginPrompt(const char* key) const {
  return Text(key) + " (0-9999)";
}

void TFormMain::NumberSetting(const char* keyLabel, const QString& prompt, int& value, int min,
                              int max, QAction* item) {
  StoreEditedDive();
  value = m_formHodnota->Ask(prompt, value, min, max);
  item->setText(Text(keyLabel) + "  =  " + QString::number(value));
}

void TFormMain::FontSetting(bool proportional) {
  // The dive is shown again afterwards: a pending edit goes into it first, not lost.
  StoreEditedDive();
  std::string& family = proportional ? m_settings.FontSerif : m_settings.FontCourier;
  int& size = proportional ? m_settings.FontSerifSize : m_settings.FontCourierSize;
  QAction* item = proportional ? m_ui->ItemPFont : m_ui->ItemNPFont;
  const std::optional<QFont> chosen = AskFont(this, CaptionWithoutAccelerator(item->text()),
                                              QFont(QString::fromStdString(family), size));
  if (!chosen) return;
  family = chosen->family().toStdString();
  size = chosen->pointSize();
  LanguageLoad();
  ShowCurrentDive();
}

void TFormMain::LanguageCommand() {
  StoreEditedDive();  // as for the fonts
  const auto chosen = m_formJazyk->Choose(m_settings.LanguageNumber());
  if (!chosen) return;
  m_settings.Jazyk = std::to_string(*chosen);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  LanguageLoad();
  ShowCurrentDive();
  UpdateStatusPanel();
  QApplication::restoreOverrideCursor();
}

void TFormMain::LanguageLoad() {
  const int language = m_settings.LanguageNumber();
  // Qt's standard dialogs and buttons speak the chosen language too.
  InstallQtTranslation(QtTranslationCode(m_translations, language));
  setWindowTitle(QString("Zirdan LOG Editor ") + ZIRDAN_VERSION);
  TranslateWindow(*this, "FormMain", m_translations, language);
  AppMessageBox().SetTexts(LoadMessageBoxTexts(m_translations, language));
  const std::pair<QWidget*, const char*> windows[] = {
      {m_formJazyk.get(), "FormJazyk"},     {m_formHodnota.get(), "FormHodnota"},
      {GraphWindowWidget(), "FormGraf"},    {m_formQuery.get(), "FormQuery"},
      {m_dialogTyp.get(), "DialogTyp"},     {m_dialogAktivita.get(), "DialogAktivita"},
      {m_dialogChyby.get(), "DialogChyby"}, {m_formStatistika.get(), "FormStatistika"},
      {m_formPrehled.get(), "FormPrehled"}, {m_formPrenos.get(), "FormPrenos"},
      {m_formInfo.get(), "FormInfo"},       {m_formVyber.get(), "FormVyber"},
      {m_formHledat.get(), "FormHledat"},   {m_dialogTisk.get(), "DialogTisk"},
      {m_formPrubeh.get(), "FormPrubeh"},   {m_formCislo.get(), "FormCislo"}};
  for (auto [window, name] : windows)
    if (window) TranslateWindow(*window, name, m_translations, language);

  const QString family = QString::fromStdString(m_settings.FontSerif);
  ApplyFormFont(*this, family, m_settings.FontSerifSize);
  ApplyFormFont(AppMessageBox(), family, m_settings.FontSerifSize);
  for (auto [window, name] : windows)
    if (window) ApplyFormFont(*window, family, m_settings.FontSerifSize);

  LoadMessageTable(m_translations, language, m_messages);
  LoadCategoryNames(m_translations, language, m_tables);

  const auto refill = [](QComboBox* box, const auto& names) {
    const QSignalBlocker block(box);
    const QString text = box->currentText();
    box->clear();
    for (const std::string& name : names) box->addItem(FromWin1250(name));
    box->setEditText(text);
  };
  refill(m_ui->ComboBoxNadmorskaVyska, m_tables.NadmorskaVyska);
  refill(m_ui->ComboBoxPocasi, m_tables.Pocasi);
  refill(m_ui->ComboBoxOblek, m_tables.Oblek);
  RebuildValueCaptions();
}

void TFormMain::RebuildValueCaptions() {
  const auto value = [this](QAction* item, const char* key, int number) {
    item->setText(Text(key) + "  =  " + QString::number(number));
  };
  value(m_ui->mingrf, "StrMinGrf", m_settings.PocetMinutMeziGrafy);
  value(m_ui->PocPon, "StrPocPon", m_settings.PocetPonoruProSoucet);
  value(m_ui->Levokrajtisku1, "StrLevyOkraj", m_settings.LevyOkraj);
  value(m_ui->Pravokrajtisku1, "StrPravyOkraj", m_settings.PravyOkraj);
  value(m_ui->Vechnyokrajetisku1, "StrVsechnyOkraje", m_settings.VsechnyOkraje);
  m_ui->ItemPFont->setText(Text("StrPFont") + " = " + QString::fromStdString(m_settings.FontSerif));
  m_ui->ItemNPFont->setText(Text("StrNPFont") + " = " +
                            QString::fromStdString(m_settings.FontCourier));
}

}  // namespace zirdan
