#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "transfer/computer_models.h"
#include "transfer/memory_image.h"

namespace zirdan {

// The translatable texts the information rows choose from (Windows-1250).
struct TTransferInfoTexts {
  std::string UnitsBitSet;     // Label10: display units when bit 0 of byte 2006 is set
  std::string UnitsBitClear;   // Label11
  std::string BeeperBitSet;    // Label12: beeper when bit 1 of byte 2006 is set
  std::string BeeperBitClear;  // Label13
  std::string BatteryLow;      // StrPrazdna: appended when the battery warns
};

// The value texts of the transfer information window, one per row.
struct TTransferInfo {
  std::string Typ;                       // ltyp: model name
  std::optional<std::string> MaxPO2;     // lpo2; row shown only for a nitrox model
  bool CitlivostShown = false;           // row shown only for an air-integrated model
  std::optional<std::string> Citlivost;  // lcitlivost; nullopt: unlisted byte, the label
                                         // keeps the text it had
  std::string SerioveCislo;              // lsn: "0C8000 (1995)"
  std::string Baterie;                   // lbaterie: "99 % [OK]"
  std::string PocetPonoru;               // lpocet: dives the device has logged
  std::string Jednotky;                  // ljednotky
  std::string Pipani;                    // lpipani
};

// The rows for a mirrored image and the model chosen for it. `decimalSeparator` is the
// regional one, used by the pO2 row only.
TTransferInfo BuildTransferInfo(const TMemoryImage& mirrored, const TComputerModel& model,
                                const TTransferInfoTexts& texts, char decimalSeparator);

// The single rows, from the bytes they read.
// `warning`: the battery warning bits (low 4 bits of byte 2037).
std::string BatteryText(uint8_t level, uint8_t warning, const std::string& batteryLow);
std::string MaxPO2Text(uint8_t setting, char decimalSeparator);  // "1.95 bar"
std::optional<std::string> SensitivityText(uint8_t code);        // "-12" .. "12"
std::string SerialNumberText(uint8_t b2033, uint8_t b2034, uint8_t b2035);

}  // namespace zirdan
