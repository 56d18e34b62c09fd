// The Linux program's start, event loop and stop, in the Windows program's order.
#pragma once

#include <string>

#include "ui/qt/qt_frame.h"

// Builds the main window, its folder chooser and the form and runs them
// (TApplicationRun): FormCreate (the folder chooser first when no folder is
// stored), the window shown, the event loop until a quit request, then the
// window hidden and FormDestroy. Needs a QApplication and the frame
// installed. The settings file's folder is made first, so that the first
// write can create the file.
void RunKasumiro(TQtFrame& frame, const std::string& settingsPath);
