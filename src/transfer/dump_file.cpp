#include "transfer/dump_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/file_messages.h"
#include "core/file_open.h"

namespace zirdan {

namespace {

// `what` (a message key) could not be done to the file at `path`, for the system's reason
// in errno; a failure of `message`.
OpResult SystemFailure(const char* message, const char* what, const std::string& path) {
  const int code = errno;
  return OpResult::FailureKey(message).With(what, {path}).WithSystemText(std::strerror(code));
}

}  // namespace

std::string BlockSaveName(TDownloadTime time) {
  return "zirdan_data_" + DownloadTimeText(time) + ".bin";
}

TDownloadTime MakeDownloadTime(int year, int month, int day, int hour, int minute, int second,
                               int tenth) {
  TDownloadTime t = static_cast<TDownloadTime>(std::max(year, 0));
  for (int part : {month, day, hour, minute, second}) t = t * 100 + std::clamp(part, 0, 99);
  return t * 10 + std::clamp(tenth, 0, 9);
}

std::string DownloadTimeText(TDownloadTime time) {
  if (time < kMinDownloadTime || time > kMaxDownloadTime) return std::string(15, '0');
  std::string text = std::to_string(time);
  return std::string(kDownloadTimeDigits - text.size(), '0') + text;
}

TDownloadTime ParseDownloadTime(std::string_view text) {
  // At most 15 digits, so the value cannot overflow while it is read.
  if (text.empty() || text.size() > kDownloadTimeDigits) return 0;
  TDownloadTime value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + static_cast<TDownloadTime>(c - '0');
  }
  return value >= kMinDownloadTime && value <= kMaxDownloadTime ? value : 0;
}

OpResult ParseDump(std::span<const uint8_t> bytes, TDumpFile& dump) {
  if (bytes.size() < kDumpFileSize)
    return OpResult::FailureKey(kReadErrorKey)
        .With("StrDetKratkyVypis", {std::to_string(bytes.size()), std::to_string(kDumpFileSize)});
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), kDownloadTimeDigits);
  dump.DownloadTime = ParseDownloadTime(text);
  std::copy_n(bytes.begin() + kDownloadTimeDigits, kFrameSize, dump.Image.begin());
  return OpResult::Success();
}

std::string DumpBytes(const TDumpFile& dump) {
  std::string bytes = DownloadTimeText(dump.DownloadTime);
  bytes.append(reinterpret_cast<const char*>(dump.Image.data()), dump.Image.size());
  return bytes;
}

OpResult ReadDumpFile(const std::string& path, TDumpFile& dump) {
  FilePtr file = OpenFile(path, "rb");
  if (!file) return SystemFailure(kReadErrorKey, "StrDetNelzeOtevrit", path);
  std::array<uint8_t, kDumpFileSize> bytes{};
  const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (read < bytes.size() && std::ferror(file.get()))
    return SystemFailure(kReadErrorKey, "StrDetNelzeCist", path);
  TDumpFile parsed;
  if (OpResult parsing = ParseDump(std::span(bytes.data(), read), parsed); !parsing)
    return parsing.WithContext(MessagePart::Literal(path));
  dump = parsed;
  return OpResult::Success();
}

OpResult WriteDumpFile(const std::string& path, const TDumpFile& dump) {
  FilePtr file = OpenFile(path, "wb");
  if (!file) return SystemFailure(kWriteErrorKey, "StrDetNelzeVytvorit", path);
  const std::string bytes = DumpBytes(dump);
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
    return SystemFailure(kWriteErrorKey, "StrDetNelzeZapsat", path);
  if (std::fclose(file.release()) != 0)
    return SystemFailure(kWriteErrorKey, "StrDetNelzeZapsat", path);
  return OpResult::Success();
}

}  // namespace zirdan
