#pragma once

#include <QCoreApplication>

#include "conversion/run_reports.h"

// Ends the event loop; start-up then shuts the program down in order and
// exits with the status.
class ApplicationShutdown : public ProgramControl {
 public:
  void EndProgram(int status) override { QCoreApplication::exit(status); }
};
