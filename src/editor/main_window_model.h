#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/category_tables.h"
#include "core/field_codec.h"
#include "core/logbook.h"
#include "core/message_table.h"
#include "settings/app_settings.h"

namespace zirdan {

// The typed fields of the main window whose text is stored into the dive.
enum class TextField {
  Datum,
  Cas,
  Lokalita,
  Misto,
  PovrchovyInterval,
  TeplotaVzduchu,
  Lahev,
  Hloubka,
  DelkaPonoru,
  TeplotaVody,
  SpotrebaVzduchu,
  Jiny,
  Partner,
  Poznamka,
};
inline constexpr int kTextFieldCount = 14;

// The three category fields set through dialogs; their typed text is not stored.
enum class CategorySet { TypPonoru, TypAktivity, Chyby };
// The three drop-down lists.
enum class CategoryList { NadmorskaVyska, Pocasi, Oblek };

// Colour of the note length bar.
enum class NoteBarColour { Green, Yellow, Red };

// Everything the main window shows for the current dive (Windows-1250 texts).
struct DiveDisplay {
  std::array<std::string, kTextFieldCount> Fields;
  std::array<std::string, 3> Lists;  // names shown by the three drop-down lists
  std::array<std::string, 3> Sets;   // joined names of the three category fields
  std::string Spotreba;              // consumption label
  std::string Plnost;                // fullness label
  std::string Ean;                   // gas label, empty for a basic dive
  int NoteLength = 0;
  NoteBarColour NoteColour = NoteBarColour::Green;
};

// The state and rules of the main window without the window: the open logbook, the
// current dive and its view, the flags that tell edits from the program's own filling of
// the fields, and every command's effect on them. Questions and dialogs stay with the
// window, which calls these once the user has answered.
class MainWindowModel {
 public:
  MainWindowModel(TAppSettings& settings, const TCategoryTables& tables,
                  const TMessageTable& messages, char decimalSeparator);
  ~MainWindowModel();

  TLogbook& Logbook() { return m_logbook; }
  const TLogbook& Logbook() const { return m_logbook; }
  const std::string& FileName() const { return m_fileName; }
  void SetFileName(std::string name) { m_fileName = std::move(name); }
  pam* CurrentDive() const { return m_current; }
  const ponorTxt& View() const { return *m_view; }
  const DiveDisplay& Display() const { return m_display; }
  int SelectedIndex() const { return m_selected; }
  bool ControlsEnabled() const { return m_controlsEnabled; }
  bool DisplayReady() const { return m_displayReady; }
  bool FieldsEdited() const { return m_fieldsEdited; }
  void SetDecimalSeparator(char separator) { m_decimalSeparator = separator; }

  // The status line: " FILE ... N dives" and, with the changed mark, "  -  changed". UTF-8:
  // the file name stays as the system names it (UTF-8, as every path of the program), the
  // words of the message table are converted from Windows-1250.
  std::string StatusText() const;

  // Takes a loaded logbook: the last dive is selected and shown.
  void OpenLogbook(TLogbook&& loaded, const std::string& path);
  // Replaces the logbook by one empty dive numbered PrvniCislo, named "Novy.log".
  void NewLogbook();

  // Renumbers from PrvniCislo and selects the first entry.
  void RebuildDiveList();
  // Writes pending field edits into the current dive.
  void StoreEditedDive();
  // Lets `use` read the logbook as a save would find it, with the shown dive's pending
  // edits taken over, and leaves the logbook, the changed flag and the list as they were.
  void WithShownEdits(const std::function<void(const TLogbook&)>& use);
  // Makes the dive of the selected entry current and fills Display().
  void ShowCurrentDive();
  void Select(int index);

  enum class Move { Previous, Next, First, Last };
  // Ctrl+Page Up/Down, Ctrl+Home/End: store, move, show.
  void Navigate(Move move);

  // A field the user changed (ignored while the program fills the fields).
  void FieldEdited(TextField field, std::string text);
  void SetEdited(CategorySet set, std::string text);  // typed text of a category field
  // A drop-down list the user changed; index -1 (free text matching no item) keeps the code.
  void ListChosen(CategoryList list, int index);

  // F11: the previous dive's value of the field. Text fields: the text the field takes
  // (the window's change handler then marks the edit); lists and sets are applied here.
  std::string PreviousDiveText(TextField field) const;
  void CopyPreviousList(CategoryList list);
  void CopyPreviousSet(CategorySet set);

  // Pick lists of earlier values: sorted, without repeats.
  enum class PickList { Lokalita, Misto, Partner };
  std::vector<std::string> PickListValues(PickList list) const;
  void ApplyPick(PickList list, const std::string& text);

  // The 16 flags of a category set, and writing the dialog's choice into the dive.
  std::array<bool, 16> SetFlags(CategorySet set) const;
  void ApplySetFlags(CategorySet set, const std::array<bool, 16>& flags);

  // Logbook commands, run after the user answered yes.
  void NewDive();
  bool CanDeleteDive() const { return m_logbook.PocetPonoru() >= 2; }
  // Whether deleting the current dive needs a new first number (it is the first dive).
  bool DeletingFirstDive() const { return m_current == m_logbook.Prvni(); }
  void DeleteDive();
  void Renumber();  // from PrvniCislo, as set by the number window

  // Model switches of the settings menu.
  void ToggleNitrox();
  void ToggleOxy();

  // Marks the logbook changed (status line with the mark).
  void MarkChanged();

 private:
  CodecContext Context() const;
  pam* DiveAt(int index) const;
  void FillDisplay();
  void ApplyProfileDurationRule();
  void StoreViewIntoCurrentDive();
  // Puts the texts typed into the fields into `view`, each cut to its field's length.
  void TakeFieldTexts(ponorTxt& view) const;

  TAppSettings& m_settings;
  const TCategoryTables& m_tables;
  const TMessageTable& m_messages;
  char m_decimalSeparator;

  TLogbook m_logbook;
  std::string m_fileName;
  pam* m_current = nullptr;
  std::unique_ptr<ponorTxt> m_view;
  DiveDisplay m_display;
  std::array<std::string, kTextFieldCount> m_fieldTexts;  // what the fields hold now
  int m_selected = -1;
  int m_currentIndex = -1;  // position of m_current, -1 when not known
  bool m_controlsEnabled = false;
  bool m_displayReady = false;
  bool m_fieldsEdited = false;
};

// Texts of the consumption and fullness labels and the gas label.
std::string ConsumptionLabel(double value, bool fromProfile, const TMessageTable& messages,
                             char decimalSeparator);
std::string FullnessLabel(double value, bool fromProfile, const TMessageTable& messages,
                          char decimalSeparator);
std::string GasLabel(const ponorTxt& view);
NoteBarColour NoteColourForLength(int length);

}  // namespace zirdan
