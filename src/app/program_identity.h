#pragma once

#include <QString>

// Who the windowed program is to the desktop, and where it keeps what is
// its own.

// "Тарелин-7": the program's name, and the name of its folder of problems.
QString ProgramName();

// Names the program and its organisation, ties its windows to its desktop
// entry and gives them its icon; Qt's own settings (the file dialog's
// folders and views) go to the program's settings folder, not to a file of
// Qt's in the user's configuration.
void IntroduceProgramToDesktop();

// The user's folder of the program's settings (the configuration location,
// by organisation and program name).
QString SettingsFolder();
