#include "editor/main_window_model.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/number_text.h"
#include "core/profile.h"
#include "core/win1250.h"

namespace zirdan {
namespace {

// Longest text each typed field stores.
constexpr std::array<std::size_t, kTextFieldCount> kFieldLength = {
    kDateTextWidth,  kValueTextWidth, kPlaceTextWidth,   kPlaceTextWidth, kValueTextWidth,
    kValueTextWidth, kValueTextWidth, kValueTextWidth,   kValueTextWidth, kValueTextWidth,
    kValueTextWidth, kPlaceTextWidth, kPartnerTextWidth, kNoteTextWidth};

std::string Cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

std::array<bool, 16>& Flags(ponorTxt& view, CategorySet set) {
  switch (set) {
    case CategorySet::TypPonoru:
      return view.TypPonoruPriznaky;
    case CategorySet::TypAktivity:
      return view.TypAktivityPriznaky;
    case CategorySet::Chyby:
      break;
  }
  return view.ChybyPriznaky;
}

const std::string& SetText(const ponorTxt& view, CategorySet set) {
  switch (set) {
    case CategorySet::TypPonoru:
      return view.TypPonoru;
    case CategorySet::TypAktivity:
      return view.TypAktivity;
    case CategorySet::Chyby:
      break;
  }
  return view.Chyby;
}

uint8_t& ListCode(ponorTxt& view, CategoryList list) {
  switch (list) {
    case CategoryList::NadmorskaVyska:
      return view.NadmorskaVyskaKod;
    case CategoryList::Pocasi:
      return view.PocasiKod;
    case CategoryList::Oblek:
      break;
  }
  return view.OblekKod;
}

const std::string& ListName(const ponorTxt& view, CategoryList list) {
  switch (list) {
    case CategoryList::NadmorskaVyska:
      return view.NadmorskaVyska;
    case CategoryList::Pocasi:
      return view.Pocasi;
    case CategoryList::Oblek:
      break;
  }
  return view.Oblek;
}

std::size_t ListSize(CategoryList list) {
  return list == CategoryList::NadmorskaVyska ? 5 : 7;
}

// The view's text behind a typed field.
std::string& ViewText(ponorTxt& v, TextField field) {
  switch (field) {
    case TextField::Datum:
      return v.Datum;
    case TextField::Cas:
      return v.Cas;
    case TextField::Lokalita:
      return v.Lokalita;
    case TextField::Misto:
      return v.Misto;
    case TextField::PovrchovyInterval:
      return v.PovrchovyInterval;
    case TextField::TeplotaVzduchu:
      return v.TeplotaVzduchu;
    case TextField::Lahev:
      return v.Lahev;
    case TextField::Hloubka:
      return v.Hloubka;
    case TextField::DelkaPonoru:
      return v.DelkaPonoru;
    case TextField::TeplotaVody:
      return v.TeplotaVody;
    case TextField::SpotrebaVzduchu:
      return v.SpotrebaVzduchu;
    case TextField::Jiny:
      return v.Jiny;
    case TextField::Partner:
      return v.Partner;
    case TextField::Poznamka:
      break;
  }
  return v.Poznamka;
}

}  // namespace

std::string ConsumptionLabel(double value, bool fromProfile, const TMessageTable& m,
                             char decimalSeparator) {
  const std::string number = FixedText(value, 2, decimalSeparator);
  if (fromProfile) return m.Text("StrSpotreba1") + " " + number + " " + m.Text("StrSpotreba2");
  if (value > 0)
    return m.Text("StrSpotreba1") + " " + m.Text("StrSpotreba3") + " " + number + " " +
           m.Text("StrSpotreba2");
  return "";
}

std::string FullnessLabel(double value, bool fromProfile, const TMessageTable& m,
                          char decimalSeparator) {
  const std::string number = FixedText(value, 2, decimalSeparator);
  if (fromProfile) return m.Text("StrObdelnik") + " " + number + " %";
  if (value > 0) return m.Text("StrObdelnik") + " " + m.Text("StrObdelnik2") + " " + number + " %";
  return "";
}

std::string GasLabel(const ponorTxt& view) {
  if (view.FormatGrafu == kFormatBasic) return "";
  return Cut("EAN" + view.EAN + ", max. pO2=" + view.MaxPO2, 34);
}

NoteBarColour NoteColourForLength(int length) {
  if (length >= 250) return NoteBarColour::Red;
  if (length >= 230) return NoteBarColour::Yellow;
  return NoteBarColour::Green;
}

MainWindowModel::MainWindowModel(TAppSettings& settings, const TCategoryTables& tables,
                                 const TMessageTable& messages, char decimalSeparator)
    : m_settings(settings),
      m_tables(tables),
      m_messages(messages),
      m_decimalSeparator(decimalSeparator),
      m_view(std::make_unique<ponorTxt>()) {
  m_logbook.VychoziFormatGrafu = settings.DefaultProfileFormat();
}

MainWindowModel::~MainWindowModel() = default;

CodecContext MainWindowModel::Context() const {
  return CodecContext{m_tables, m_logbook.VychoziFormatGrafu, m_decimalSeparator};
}

std::string MainWindowModel::StatusText() const {
  if (!m_logbook.Nacteno) return "";
  std::string words =
      " ... " + std::to_string(m_logbook.PocetPonoru()) + " " + m_messages.Text("StrPonoru");
  if (m_logbook.Zmeneno) words += "  -  " + m_messages.Text("StrZmeneno");
  return " " + m_fileName + Win1250ToUtf8(words);
}

void MainWindowModel::MarkChanged() {
  m_logbook.Zmeneno = true;
}

void MainWindowModel::OpenLogbook(TLogbook&& loaded, const std::string& path) {
  const uint16_t defaultFormat = m_settings.DefaultProfileFormat();
  m_logbook = std::move(loaded);
  m_logbook.Nacteno = true;
  m_logbook.VychoziFormatGrafu = defaultFormat;
  if (m_logbook.Seznam.size() != m_logbook.PocetPonoru()) m_logbook.RebuildSeznam();
  m_fileName = path;
  m_controlsEnabled = true;
  m_fieldsEdited = false;
  m_current = nullptr;
  Select(static_cast<int>(m_logbook.PocetPonoru()) - 1);
  ShowCurrentDive();
}

void MainWindowModel::NewLogbook() {
  const uint16_t firstNumber = m_logbook.PrvniCislo;
  m_logbook = TLogbook();
  m_logbook.PrvniCislo = firstNumber;
  m_logbook.VychoziFormatGrafu = m_settings.DefaultProfileFormat();
  m_logbook.Nacteno = true;
  m_logbook.Append(ponor{});
  m_fileName = kNewLogbookName;
  m_controlsEnabled = true;
  m_fieldsEdited = false;
  m_current = nullptr;
  RebuildDiveList();
  MarkChanged();
  ShowCurrentDive();
}

void MainWindowModel::RebuildDiveList() {
  m_currentIndex = -1;  // positions may have moved
  m_logbook.Renumber();
  Select(0);
}

void MainWindowModel::Select(int index) {
  const int count = static_cast<int>(m_logbook.PocetPonoru());
  m_selected = count == 0 ? -1 : std::clamp(index, 0, count - 1);
}

pam* MainWindowModel::DiveAt(int index) const {
  // Walk from the nearest known place: the first dive, the last, or the dive shown now
  // (stepping through the list moves one place from there).
  const int count = static_cast<int>(m_logbook.PocetPonoru());
  pam* from = m_logbook.Prvni();
  int distance = index;  // forward from the first dive
  if (count - index < distance) {
    from = m_logbook.Prvni();
    distance = index - count;  // backward from the first dive, round the circle
  }
  if (m_current && m_currentIndex >= 0 && std::abs(index - m_currentIndex) < std::abs(distance)) {
    from = m_current;
    distance = index - m_currentIndex;
  }
  for (; distance > 0; --distance) from = from->Dalsi;
  for (; distance < 0; ++distance) from = from->Predchozi;
  return from;
}

void MainWindowModel::StoreViewIntoCurrentDive() {
  if (!m_current) return;
  // Start from the dive itself so that what the view does not carry (the last two
  // profile bytes) is kept.
  ponor record = *m_current;
  ViewToRecord(*m_view, record);
  static_cast<ponor&>(*m_current) = record;
}

void MainWindowModel::TakeFieldTexts(ponorTxt& view) const {
  for (int i = 0; i < kTextFieldCount; ++i)
    ViewText(view, static_cast<TextField>(i)) = Cut(m_fieldTexts[i], kFieldLength[i]);
}

void MainWindowModel::StoreEditedDive() {
  if (!m_fieldsEdited || !m_current) return;
  TakeFieldTexts(*m_view);
  StoreViewIntoCurrentDive();
  MarkChanged();
  m_fieldsEdited = false;
}

void MainWindowModel::WithShownEdits(const std::function<void(const TLogbook&)>& use) {
  if (!m_fieldsEdited || !m_current) {
    use(m_logbook);
    return;
  }
  auto view = std::make_unique<ponorTxt>(*m_view);
  TakeFieldTexts(*view);
  ponor& shown = *m_current;
  // The dive as it was goes back in place however `use` ends.
  struct Restore {
    ponor& dive;
    ponor saved;
    ~Restore() { dive = saved; }
  } restore{shown, shown};
  ViewToRecord(*view, shown);
  use(m_logbook);
}

void MainWindowModel::ShowCurrentDive() {
  if (!m_logbook.Nacteno || m_logbook.PocetPonoru() == 0) return;
  Select(m_selected);
  m_current = DiveAt(m_selected);
  m_currentIndex = m_selected;

  m_displayReady = false;
  RecordToView(*m_current, *m_view, Context());
  m_logbook.FormatGrafu = m_view->FormatGrafu;
  FillDisplay();
  ApplyProfileDurationRule();
  m_displayReady = true;
}

void MainWindowModel::FillDisplay() {
  const ponorTxt& v = *m_view;
  for (int i = 0; i < kTextFieldCount; ++i)
    m_display.Fields[i] = ViewText(*m_view, static_cast<TextField>(i));
  m_fieldTexts = m_display.Fields;
  for (int i = 0; i < 3; ++i) {
    m_display.Lists[i] = ListName(v, static_cast<CategoryList>(i));
    m_display.Sets[i] = SetText(v, static_cast<CategorySet>(i));
  }
  const Measure consumption = ConsumptionRate(*m_current, v);
  const Measure fullness = Fullness(*m_current, v);
  m_display.Spotreba =
      ConsumptionLabel(consumption.value, consumption.fromProfile, m_messages, m_decimalSeparator);
  m_display.Plnost =
      FullnessLabel(fullness.value, fullness.fromProfile, m_messages, m_decimalSeparator);
  m_display.Ean = GasLabel(v);
  m_display.NoteLength = static_cast<int>(v.Poznamka.size());
  m_display.NoteColour = NoteColourForLength(m_display.NoteLength);
}

void MainWindowModel::ApplyProfileDurationRule() {
  ponorTxt& v = *m_view;
  if (!m_settings.CasZGrafu || v.PocetVzorku == 0 || !(v.DelkaGrafu > v.DelkaPonoru)) return;
  v.DelkaPonoru = v.DelkaGrafu;
  const auto field = static_cast<std::size_t>(TextField::DelkaPonoru);
  m_display.Fields[field] = v.DelkaGrafu;
  m_fieldTexts[field] = v.DelkaGrafu;
  MarkChanged();
  m_fieldsEdited = true;
}

void MainWindowModel::Navigate(Move move) {
  StoreEditedDive();
  const int last = static_cast<int>(m_logbook.PocetPonoru()) - 1;
  switch (move) {
    case Move::Previous:
      Select(m_selected > 0 ? m_selected - 1 : m_selected);
      break;
    case Move::Next:
      Select(m_selected < last ? m_selected + 1 : m_selected);
      break;
    case Move::First:
      Select(0);
      break;
    case Move::Last:
      Select(last);
      break;
  }
  ShowCurrentDive();
}

void MainWindowModel::FieldEdited(TextField field, std::string text) {
  const auto i = static_cast<std::size_t>(field);
  m_fieldTexts[i] = std::move(text);
  if (field == TextField::Poznamka) {
    m_display.NoteLength = static_cast<int>(m_fieldTexts[i].size());
    m_display.NoteColour = NoteColourForLength(m_display.NoteLength);
  }
  if (!m_displayReady) return;
  m_fieldsEdited = true;
  MarkChanged();
}

void MainWindowModel::SetEdited(CategorySet, std::string) {
  if (!m_displayReady) return;
  m_fieldsEdited = true;
  MarkChanged();
}

void MainWindowModel::ListChosen(CategoryList list, int index) {
  if (!m_displayReady) return;
  if (index >= 0 && static_cast<std::size_t>(index) < ListSize(list))
    ListCode(*m_view, list) = static_cast<uint8_t>(index);
  m_fieldsEdited = true;
  MarkChanged();
}

std::string MainWindowModel::PreviousDiveText(TextField field) const {
  if (!m_current) return "";
  auto previous = std::make_unique<ponorTxt>();
  RecordToView(*m_current->Predchozi, *previous, Context());
  return ViewText(*previous, field);
}

void MainWindowModel::CopyPreviousList(CategoryList list) {
  if (!m_current) return;
  auto previous = std::make_unique<ponorTxt>();
  RecordToView(*m_current->Predchozi, *previous, Context());
  ListCode(*m_view, list) = ListCode(*previous, list);
  m_display.Lists[static_cast<std::size_t>(list)] = ListName(*previous, list);
  m_fieldsEdited = true;
  MarkChanged();
  m_displayReady = true;
}

void MainWindowModel::CopyPreviousSet(CategorySet set) {
  if (!m_current) return;
  auto previous = std::make_unique<ponorTxt>();
  RecordToView(*m_current->Predchozi, *previous, Context());
  Flags(*m_view, set) = Flags(*previous, set);
  m_display.Sets[static_cast<std::size_t>(set)] = SetText(*previous, set);
  if (!m_displayReady) return;
  m_fieldsEdited = true;
  MarkChanged();
}

std::vector<std::string> MainWindowModel::PickListValues(PickList list) const {
  std::vector<std::string> values;
  const std::string& locality = m_view->Lokalita;
  m_logbook.ForEach([&](const pam& d) {
    switch (list) {
      case PickList::Lokalita:
        values.push_back(d.Lokalita);
        break;
      case PickList::Partner:
        values.push_back(d.Partner);
        break;
      case PickList::Misto:
        if (locality.empty() || d.Lokalita == locality) values.push_back(d.Misto);
        break;
    }
  });
  // Sorted as a list box sorts, ignoring letter case; repeats removed.
  std::stable_sort(values.begin(), values.end(), [](const std::string& a, const std::string& b) {
    const std::string ua = Win1250ToUpper(a), ub = Win1250ToUpper(b);
    return ua != ub ? ua < ub : a < b;
  });
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

void MainWindowModel::ApplyPick(PickList list, const std::string& text) {
  if (!m_current) return;
  switch (list) {
    case PickList::Lokalita:
      m_view->Lokalita = Cut(text, kPlaceTextWidth);
      break;
    case PickList::Misto:
      m_view->Misto = Cut(text, kPlaceTextWidth);
      break;
    case PickList::Partner:
      m_view->Partner = Cut(text, kPartnerTextWidth);
      break;
  }
  MarkChanged();
  StoreViewIntoCurrentDive();
}

std::array<bool, 16> MainWindowModel::SetFlags(CategorySet set) const {
  return Flags(*m_view, set);
}

void MainWindowModel::ApplySetFlags(CategorySet set, const std::array<bool, 16>& flags) {
  if (!m_current) return;
  Flags(*m_view, set) = flags;
  MarkChanged();
  StoreViewIntoCurrentDive();
}

void MainWindowModel::NewDive() {
  if (!m_logbook.Nacteno) return;
  StoreEditedDive();
  if (m_logbook.Full()) return;
  const int position = m_selected;
  m_logbook.InsertAfter(m_current, ponor{});
  m_controlsEnabled = true;
  RebuildDiveList();
  Select(position + 1);
  MarkChanged();
  ShowCurrentDive();
}

void MainWindowModel::DeleteDive() {
  if (!m_logbook.Nacteno || !CanDeleteDive() || !m_current) return;
  int position = m_selected;
  const bool wasLast = m_current == m_logbook.Posledni();
  if (m_current == m_logbook.Prvni())
    position = 0;
  else if (wasLast)
    position = m_selected - 1;
  m_logbook.Remove(m_current);
  m_current = nullptr;
  m_fieldsEdited = false;
  RebuildDiveList();
  Select(position);
  MarkChanged();
  ShowCurrentDive();
}

void MainWindowModel::Renumber() {
  StoreEditedDive();
  RebuildDiveList();
  MarkChanged();
  ShowCurrentDive();
}

void MainWindowModel::ToggleNitrox() {
  // The dive is shown again below: a pending edit goes into it first, not lost.
  StoreEditedDive();
  m_settings.ZirdanOxy = false;
  m_settings.ZirdanNitrox = !m_settings.ZirdanNitrox;
  m_logbook.VychoziFormatGrafu = m_settings.DefaultProfileFormat();
  ShowCurrentDive();
}

void MainWindowModel::ToggleOxy() {
  StoreEditedDive();
  if (m_settings.ZirdanOxy) {
    m_settings.ZirdanOxy = false;
  } else {
    m_settings.ZirdanNitrox = false;
    m_settings.ZirdanOxy = true;
  }
  m_logbook.VychoziFormatGrafu = m_settings.DefaultProfileFormat();
  ShowCurrentDive();
}

}  // namespace zirdan
