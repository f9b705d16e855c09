#pragma once

#include <cstdint>
#include <vector>

#include "core/op_result.h"
#include "transfer/memory_image.h"

namespace zirdan {

// One dive as the dive computer keeps it: a dive-log entry in the device's own units and
// the raw profile it wrote into the profile ring.
struct TDeviceDive {
  uint32_t Stamp = 0;            // device clock at the start, half seconds
  uint8_t AltitudeClass = 0;     // 0..3
  uint8_t Warnings = 0;          // warning bits 0, 3, 4, 5 (mask 0x39)
  uint16_t Minutes = 0;          // dive time, 0..199 minutes
  uint16_t Depth = 0;            // maximum depth, 0..1023 units of 10/64 m
  int SurfaceInterval = -1;      // minutes, 0..99 h 59 min; -1 when none is recorded
  uint8_t PressureUsed = 0;      // cylinder pressure used, bar (model 0x1C: 1.3609192 bar)
  uint8_t WaterTemperature = 0;  // quarter degrees Celsius
  std::vector<uint8_t> Profile;  // raw profile bytes (header, samples), none 0xFF
};

// The rest of the device's memory.
struct TDeviceState {
  uint8_t ModelCode = 0x1E;        // model code (see ComputerModels)
  uint8_t Settings = 0;            // bit 0 display units, bit 1 beeper
  uint8_t MaxPO2 = 0;              // 0..15: 1.20 + 0.05 * n bar
  uint8_t Sensitivity = 0;         // sensitivity code
  uint32_t Identification = 0;     // identification number, 24 bits
  uint8_t Battery = 255;           // battery level 0..255
  uint8_t BatteryWarning = 0;      // 0..15; shares the top byte of the dive count
  uint32_t TotalDives = 0;         // dives ever logged, 24 bits; 0 = as many as given
  uint32_t Clock = 0;              // device clock when sending, half seconds
  uint16_t RingWritePosition = 0;  // 0..1535: ring position of the newest profile's last byte
};

// A memory image to build: the device state and its dives, oldest first (at most 37; the
// device's older dives are no longer in its log).
struct TImageContent {
  TDeviceState Device;
  std::vector<TDeviceDive> Dives;
  std::vector<uint8_t> RingRemnant;  // repeated over the ring bytes no kept profile uses
                                     // (what overwritten profiles left); none 0xFF;
                                     // empty: zeros
};

// How many of the newest dives keep their profiles: as many as fit into the ring, each
// followed by its 0xFF separator.
std::size_t KeptProfiles(const std::vector<TDeviceDive>& dives);

// Builds the frame the dive computer would send for this content: dives in the log slots a
// device that logged TotalDives dives would use, the kept profiles in the ring ending at the
// write position (wrapping round its end when needed), the checksum, and every byte
// bit-mirrored for the line. Fails, naming the value, when the content cannot be stored.
OpResult EncodeMemoryImage(const TImageContent& content, TMemoryImage& frame);

}  // namespace zirdan
