#pragma once

#include <QString>

// Who the windowed program is to the desktop, and where it keeps what is
// its own.

// "Тарелин-7": the program's name, and the name of its folder of problems.
QString ProgramName();

// Names the program and its organisation, ties its windows to its desktop
// entry and gives them its icon.
void IntroduceProgramToDesktop();
