#pragma once
// A private X server for GUI tests: Xvfb picks a free display itself (-displayfd), so tests
// running side by side never collide, and it dies with the test process.

#include <sys/types.h>
#include <string>

namespace vexlune::wx::testing {

class Xvfb {
 public:
  // Starts Xvfb with one 1280x1024x24 screen; display() is empty when it could not start.
  Xvfb();
  ~Xvfb();
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  const std::string& display() const { return display_; }  // ":N"

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// Sets the environment a GTK program wants under a bare X server: DISPLAY, and no
// accessibility bus (whose absence can stall start-up).
void use_display(const std::string& display);

}  // namespace vexlune::wx::testing
