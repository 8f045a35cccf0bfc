#pragma once
// A DLL image mapped into memory by our own loader. Until the loader exists it stays empty,
// which is the program's path for a library that failed to map.

namespace vexlune {

class MemoryModule {
 public:
  bool loaded() const { return false; }
};

}  // namespace vexlune
