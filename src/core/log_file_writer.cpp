// Writing a logbook as a LOG file: the record encoding and the atomic save.
#include <functional>
#include <string_view>
#include <utility>

#include "core/atomic_file.h"
#include "core/log_file.h"

namespace zirdan {
namespace {

// Encoded bytes are handed on in pieces of about this size.
constexpr std::size_t kPieceSize = 256 * 1024;
// The longest record: 52 bytes of numbers and length bytes, five texts, a full profile.
constexpr std::size_t kLargestRecord = 52 + 5 * kMaxStoredText + kGrafSize;
// The activities that the compatible activity format writes as names: bits 12..15.
constexpr unsigned kFirstCompatibleActivity = 12;
constexpr uint16_t kCompatibleActivityMask = 0xF000;

OpResult WriteError(MessagePart cause) {
  return OpResult::FailureKey(kWriteErrorKey).With(std::move(cause));
}

// The text written in place of Jiny under the compatible activity format: the names of
// the activities 12..15 that are set, in bit order, joined by ", ".
std::string CompatibleActivityText(uint16_t typAktivity, const TCategoryTables& tables) {
  std::string text;
  for (unsigned bit = kFirstCompatibleActivity; bit < 16; ++bit) {
    if (!(typAktivity & 1u << bit)) continue;
    if (!text.empty()) text += ", ";
    text += tables.TypAktivity[bit];
  }
  return text;
}

// Appends little-endian values and length-prefixed texts to a byte string.
class RecordEncoder {
 public:
  explicit RecordEncoder(std::string& out) : m_out(out) {}

  void U8(uint8_t value) { m_out.push_back(static_cast<char>(value)); }
  void U16(uint16_t value) {
    U8(static_cast<uint8_t>(value));
    U8(static_cast<uint8_t>(value >> 8));
  }
  // Low 16 bits first, then the high 16 bits.
  void U32(uint32_t value) {
    U16(static_cast<uint16_t>(value));
    U16(static_cast<uint16_t>(value >> 16));
  }
  // The caller has made sure the text fits its one length byte.
  void Text(std::string_view text) {
    U8(static_cast<uint8_t>(text.size()));
    m_out.append(text);
  }
  void Bytes(const uint8_t* data, std::size_t count) {
    m_out.append(reinterpret_cast<const char*>(data), count);
  }

 private:
  std::string& m_out;
};

void EncodeHeader(const TLogbook& logbook, std::string& out) {
  RecordEncoder e(out);
  e.U16(kLogbookVersion);
  e.U32(logbook.CisloPristroje);
  e.U16(logbook.PocetPonoru());
  e.U32(logbook.RezervaHlavicky);
}

// A text longer than its length byte can say would be cut, which loses the diver's words:
// the save is refused instead, naming the dive and the field.
OpResult TextTooLong(const ponor& dive, const char* field, std::size_t length) {
  return WriteError(
             {"StrDetDlouhyText", {field, std::to_string(length), std::to_string(kMaxStoredText)}})
      .WithContext("StrDetPonor", {std::to_string(dive.Cislo)});
}

OpResult EncodeDive(const ponor& dive, std::string_view jiny, std::string& out) {
  const std::pair<const char*, std::string_view> texts[] = {{"Lokalita", dive.Lokalita},
                                                            {"Misto", dive.Misto},
                                                            {"Jiny", jiny},
                                                            {"Partner", dive.Partner},
                                                            {"Poznamka", dive.Poznamka}};
  for (const auto& [field, text] : texts)
    if (text.size() > kMaxStoredText) return TextTooLong(dive, field, text.size());
  // GrafPocet can only exceed Graf through a fault elsewhere; never write past the array.
  if (dive.GrafPocet > kGrafSize)
    return WriteError(
               {"StrDetDlouhyProfil", {std::to_string(dive.GrafPocet), std::to_string(kGrafSize)}})
        .WithContext("StrDetPonor", {std::to_string(dive.Cislo)});
  RecordEncoder e(out);
  e.U16(kRecordTag);
  e.U32(static_cast<uint32_t>(dive.Datum));
  e.U16(dive.Cas);
  e.Text(dive.Lokalita);
  e.Text(dive.Misto);
  e.U8(dive.NadmorskaVyska);
  e.U16(static_cast<uint16_t>(dive.PovrchovyInterval));
  e.U8(dive.Pocasi);
  e.U16(static_cast<uint16_t>(dive.TeplotaVzduchu));
  e.U8(dive.Oblek);
  e.U16(static_cast<uint16_t>(dive.Lahev));
  e.U16(static_cast<uint16_t>(dive.Hloubka));
  e.U16(static_cast<uint16_t>(dive.DelkaPonoru));
  e.U16(static_cast<uint16_t>(dive.TeplotaVody));
  e.U16(static_cast<uint16_t>(dive.SpotrebaVzduchu));
  e.U16(dive.TypPonoru);
  e.U16(dive.TypAktivity);
  e.Text(jiny);
  e.Text(dive.Partner);
  e.Text(dive.Poznamka);
  e.U16(dive.Chyby);
  e.U16(dive.Cislo);
  for (uint16_t word : dive.Rezerva) e.U16(word);
  e.U16(dive.GrafPocet);
  e.Bytes(dive.Graf.data(), dive.GrafPocet);
  return OpResult::Success();
}

using PieceSink = std::function<OpResult(std::string_view)>;

// Encodes the whole file and hands it to `sink` piece by piece; stops at the first piece
// the sink refuses and returns its failure.
OpResult EncodeInPieces(const TLogbook& logbook, const SaveOptions& options,
                        const PieceSink& sink) {
  // The reader refuses a file without dives; never write one.
  if (logbook.PocetPonoru() == 0) return WriteError({"StrDetPrazdnyDenik", {}});
  const TCategoryTables* tables = options.Tables;
  TCategoryTables builtIn;
  if (options.KompatibilniAktivity && !tables) {
    builtIn = TCategoryTables::BuiltIn();
    tables = &builtIn;
  }

  std::string piece;
  piece.reserve(kPieceSize + kLargestRecord);
  EncodeHeader(logbook, piece);
  std::string compatible;
  OpResult result = OpResult::Success();
  logbook.ForEach([&](const pam& dive) {
    if (!result) return;
    std::string_view jiny = dive.Jiny;
    if (options.KompatibilniAktivity && (dive.TypAktivity & kCompatibleActivityMask)) {
      compatible = CompatibleActivityText(dive.TypAktivity, *tables);
      jiny = compatible;
    }
    result = EncodeDive(dive, jiny, piece);
    if (result && piece.size() >= kPieceSize) {
      result = sink(piece);
      piece.clear();
    }
  });
  if (!result) return result;
  piece.push_back('\0');  // the file ends with one byte 0, which readers skip
  return sink(piece);
}

}  // namespace

OpResult EncodeLogbook(const TLogbook& logbook, const SaveOptions& options, std::string& bytes) {
  bytes.clear();
  return EncodeInPieces(logbook, options, [&](std::string_view piece) {
    bytes.append(piece);
    return OpResult::Success();
  });
}

OpResult SaveLogbook(const std::string& path, TLogbook& logbook, const SaveOptions& options) {
  if (!logbook.Nacteno) return WriteError({"StrDetZadnyDenik", {}});
  AtomicFileWriter file;
  if (OpResult opened = file.Open(path); !opened) return opened;
  OpResult encoded = EncodeInPieces(logbook, options, [&](std::string_view piece) {
    file.Write(piece);  // a failed write is reported by Commit
    return OpResult::Success();
  });
  if (!encoded) return encoded;
  if (OpResult committed = file.Commit(true); !committed) return committed;
  logbook.Zmeneno = false;
  return OpResult::Success();
}

}  // namespace zirdan
