#include "series/run_driver.h"
#include "text_io/platform/platform.h"

int main() {
  quarnell::platform::install_interrupt_handlers();
  const std::unique_ptr<quarnell::Console> console = quarnell::platform::make_console();
  const std::unique_ptr<quarnell::FileSystem> file_system = quarnell::platform::make_file_system();
  return quarnell::run_quarnell(*console, *file_system);
}
