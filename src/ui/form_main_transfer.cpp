// The download from the dive computer: the transfer window over the chosen port, then the
// new dives in the list.
#include "adapters/qt_serial_link.h"
#include "ui/form_graf.h"
#include "ui/form_info.h"
#include "ui/form_main.h"
#include "ui/form_prenos.h"
#include "ui_form_main.h"

namespace zirdan {

void TFormMain::CreateTransferWindows() {
  DeveloperSwitches switches;
  switches.DebugDump = m_options.Debug;
  switches.Replay = m_options.Analyza;
  switches.BlockSave = m_options.SaveBlock;
  m_formInfo = std::make_unique<TFormInfo>(this);
  m_formPrenos = std::make_unique<TFormPrenos>(switches, m_messages, *m_formInfo, this);
}

void TFormMain::ConnectTransferMenu() {
  connect(m_ui->NastZirdana1, &QAction::triggered, this, &TFormMain::DownloadCommand);
}

void TFormMain::DownloadCommand() {
  StoreEditedDive();
  const bool logbookOpen = m_model->Logbook().Nacteno;
  if (logbookOpen) EnableLogbookControls(true);

  // Without an open logbook the dives go into a new one, which the diver then saves: dives
  // put into a list that is not shown would be lost when the program ends.
  TLogbook newLogbook;
  TLogbook& target = logbookOpen ? m_model->Logbook() : newLogbook;

  TFormPrenos::Request request;
  request.Device = SerialDeviceForPort(m_settings.Port(), m_settings.PortDevice, m_store);
  request.OnlyNewDives = m_settings.JenNovePonory;
  request.ShowInfo = m_settings.ZobrazovatInfo;
  request.DecimalSeparator = SystemDecimalSeparator();
  const std::optional<TMergeResult> merged = m_formPrenos->Download(request, target);
  // A transfer that brought no dives leaves the logbook and its list exactly as they were.
  if (!merged) return;

  if (!logbookOpen) {
    m_model->OpenLogbook(std::move(newLogbook), kNewLogbookName);
    m_neverSaved = true;
    EnableLogbookControls(true);
  }
  m_model->MarkChanged();
  RebuildDiveList();
  m_model->Select(static_cast<int>(m_model->Logbook().PocetPonoru()) - 1);
  m_ui->ListBox1->setFocus();
  ShowCurrentDive();
}

}  // namespace zirdan
