#include "core/file_system_calls.h"

namespace zirdan {
namespace {

FileSystemCalls* g_active = nullptr;  // the operating system's while none is put in place

}  // namespace

FileSystemCalls& ActiveFileSystemCalls() {
  return g_active ? *g_active : OperatingSystemCalls();
}

ScopedFileSystemCalls::ScopedFileSystemCalls(FileSystemCalls& calls) : m_previous(g_active) {
  g_active = &calls;
}

ScopedFileSystemCalls::~ScopedFileSystemCalls() {
  g_active = m_previous;
}

}  // namespace zirdan
